#include "report.h"

#include <nlohmann/json.hpp>

#include <optional>

#include "stats/statistics.h"
#include "text/numbers.h"

namespace quintara::stats_tool {
namespace {

void appendText(std::string& out, std::string_view name, const ListView& list, bool detail) {
    out.append("[").append(name).append("]\n");
    for (int item = 0; item < list.itemCount(); ++item) {
        out.append(list.itemText(item, 0)).append("\t").append(list.itemText(item, 1));
        if (const RowDetail* figures = list.itemDetail(item); detail && figures != nullptr) {
            out.append("\t").append(figures->toolTip);
        }
        out.append("\n");
    }
}

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
    if (detail.window) object.number("window", detail.window);
    if (detail.windowExpected) object.twoDecimals("windowExpected", *detail.windowExpected);
}

void appendJson(std::string& out, std::string_view name, const ListView& list, bool detail) {
    out.append("{\"name\":").append(jsonString(name)).append(",\"rows\":[");
    for (int item = 0; item < list.itemCount(); ++item) {
        if (item > 0) out.append(",");
        out.append("[").append(jsonString(list.itemText(item, 0))).append(",");
        out.append(jsonString(list.itemText(item, 1)));
        if (const RowDetail* figures = list.itemDetail(item); detail && figures != nullptr) {
            out.append(",");
            appendDetail(out, *figures);
        }
        out.append("]");
    }
    out.append("]}");
}

}  // namespace

std::string jsonString(std::string_view text) {
    // UTF-8 passes as it is; a byte that is none is replaced, not refused.
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string report(const Window& window, OutputFormat format, bool detail) {
    std::string out;
    if (format == OutputFormat::Text) {
        for (const std::string_view name : kStatisticsLists) {
            appendText(out, name, window.listView(name), detail);
        }
        return out;
    }
    out = "{\"lists\":[";
    for (std::size_t index = 0; index < kStatisticsLists.size(); ++index) {
        if (index > 0) out += ",";
        appendJson(out, kStatisticsLists[index], window.listView(kStatisticsLists[index]), detail);
    }
    return out += "]}\n";
}

}  // namespace quintara::stats_tool
