#include "alerts/alert_record.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <ctime>

namespace quintara {
namespace {

using Json = nlohmann::ordered_json;

template <typename Value>
Json valueOrNull(const std::optional<Value>& value) {
    return value ? Json(*value) : Json(nullptr);
}

// Six significant digits, as the statistics tool prints a chance.
Json sixDigits(double chance) {
    std::array<char, 32> text;
    std::snprintf(text.data(), text.size(), "%.6g", chance);
    return Json::parse(text.data());
}

}  // namespace

std::string alertJson(const AlertRecord& alert) {
    Json record;
    record["time"] = alert.time;
    record["issue"] = alert.issue;
    record["rule"] = alert.rule;
    record["list"] = alert.list ? Json(std::string(nameOf(*alert.list))) : Json(nullptr);
    record["item"] = alert.list ? Json(alert.item) : Json(nullptr);
    record["current"] = valueOrNull(alert.current);
    record["longest"] = valueOrNull(alert.longest);
    record["chance"] = alert.chance ? sixDigits(*alert.chance) : Json(nullptr);
    record["text"] = alert.text;
    return record.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string isoLocalTime(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    std::array<char, 40> text;
    const std::size_t length = std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S", &local);
    // The offset in ISO 8601's extended form, +08:00.
    const long offset = local.tm_gmtoff / 60;
    const long minutes = offset < 0 ? -offset : offset;
    std::snprintf(text.data() + length, text.size() - length, "%c%02ld:%02ld", offset < 0 ? '-' : '+',
                  minutes / 60, minutes % 60);
    return text.data();
}

}  // namespace quintara
