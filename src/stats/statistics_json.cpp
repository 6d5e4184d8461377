#include "stats/statistics_json.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <optional>

#include "text/numbers.h"

namespace quintara {
namespace {

// One member "name":value of a detail object; numbers need no escaping.
class DetailObject {
public:
    explicit DetailObject(std::string& out) : out_(out) { out_ += '{'; }
    ~DetailObject() { out_ += '}'; }
    DetailObject(const DetailObject&) = delete;
    DetailObject& operator=(const DetailObject&) = delete;

    void number(std::string_view name, std::optional<int> value) {
        key(name);
        if (value) {
            appendDecimal(out_, *value);
        } else {
            out_ += "null";
        }
    }
    void twoDecimals(std::string_view name, double value) {
        key(name);
        appendTwoDecimals(out_, value);
    }
    // Six significant digits, as "%.6g" writes them.
    void significant(std::string_view name, double value) {
        key(name);
        std::array<char, 32> text;
        const int length = std::snprintf(text.data(), text.size(), "%.6g", value);
        out_.append(text.data(), static_cast<std::size_t>(length));
    }

private:
    void key(std::string_view name) {
        if (out_.back() != '{') out_ += ',';
        out_.append(jsonString(name)).append(":");
    }

    std::string& out_;
};

void appendDetail(std::string& out, const RowDetail& detail) {
    DetailObject object(out);
    object.number("appearances", detail.appearances);
    object.number("current", detail.current);
    object.number("previous", detail.previous);
    object.number("longest", detail.longest);
    object.twoDecimals("average", detail.average);
    object.number("streak", detail.streak);
    object.twoDecimals("expected", detail.expected);
    object.significant("chance", detail.chance);
    if (detail.window) object.number("window", detail.window);
    if (detail.windowExpected) object.twoDecimals("windowExpected", *detail.windowExpected);
}

void appendList(std::string& out, std::string_view name, const ListRows& rows, bool detail) {
    out.append("{\"name\":").append(jsonString(name)).append(",\"rows\":[");
    for (const StatisticsRow& row : rows) {
        if (&row != &rows.front()) out.append(",");
        out.append("[").append(jsonString(row.label)).append(",");
        out.append(jsonString(row.value));
        if (detail) {
            out.append(",");
            appendDetail(out, row.detail);
        }
        out.append("]");
    }
    out.append("]}");
}

}  // namespace

std::string jsonString(std::string_view text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string statisticsJson(const Statistics& statistics, bool detail) {
    std::string out = "{\"lists\":[";
    for (const StatisticsList list : kStatisticsLists) {
        if (list != kStatisticsLists.front()) out += ",";
        appendList(out, nameOf(list), rowsOf(statistics, list), detail);
    }
    return out += "]}\n";
}

}  // namespace quintara
