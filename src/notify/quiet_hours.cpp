#include "notify/quiet_hours.h"

#include <cstdio>

#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::chrono::seconds kDay = std::chrono::hours(24);

// "HH:MM", 00:00 to 23:59.
std::optional<std::chrono::minutes> clockTime(std::string_view text) {
    if (text.size() != 5 || text[2] != ':' || !allDigits(text.substr(0, 2)) || !allDigits(text.substr(3))) {
        return std::nullopt;
    }
    const std::int64_t hours = leadingInteger(text.substr(0, 2));
    const std::int64_t minutes = leadingInteger(text.substr(3));
    if (hours > 23 || minutes > 59) return std::nullopt;
    return std::chrono::hours(hours) + std::chrono::minutes(minutes);
}

std::string clockText(std::chrono::minutes time) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(time.count() / 60), static_cast<int>(time.count() % 60));
    return text;
}

// The time of day folded into one day.
std::chrono::seconds folded(std::chrono::seconds timeOfDay) { return ((timeOfDay % kDay) + kDay) % kDay; }

}  // namespace

std::optional<QuietHours> QuietHours::named(std::string_view text) {
    if (text.size() != 11 || text[5] != '-') return std::nullopt;
    const auto start = clockTime(text.substr(0, 5));
    const auto end = clockTime(text.substr(6));
    if (!start || !end || *start == *end) return std::nullopt;
    return QuietHours(*start, *end);
}

bool QuietHours::hold(std::chrono::seconds timeOfDay) const {
    const std::chrono::seconds time = folded(timeOfDay);
    if (start_ < end_) return time >= start_ && time < end_;
    return time >= start_ || time < end_;  // past midnight
}

std::chrono::seconds QuietHours::untilEnd(std::chrono::seconds timeOfDay) const {
    return folded(std::chrono::seconds(end_) - folded(timeOfDay));
}

std::string QuietHours::text() const { return clockText(start_) + "-" + clockText(end_); }

}  // namespace quintara
