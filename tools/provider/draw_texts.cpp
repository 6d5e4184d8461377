#include "draw_texts.h"

#include <cstdio>

namespace quintara::provider {
namespace {

constexpr std::chrono::minutes kMinutesBetweenDraws{24 * 60 / kDrawsPerDay};

int yearOf(std::chrono::sys_days date) {
    return static_cast<int>(std::chrono::year_month_day{date}.year());
}

}  // namespace

std::string issueText(const Draw& draw, YearDigits year) {
    const std::chrono::year_month_day date{draw.date};
    const int width = static_cast<int>(year);
    const int shownYear = year == YearDigits::Two ? yearOf(draw.date) % 100 : yearOf(draw.date);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%02u%02u%03d", width, shownYear,
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  draw.sequence);
    return text;
}

std::string codeText(const Draw& draw) {
    std::string text;
    for (const char digit : draw.digits) {
        if (!text.empty()) text += ',';
        text += digit;
    }
    return text;
}

std::string openTimeText(const Draw& draw) {
    const auto moment = std::chrono::sys_seconds{draw.date} + draw.sequence * kMinutesBetweenDraws;
    const auto day = std::chrono::floor<std::chrono::days>(moment);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss clock{moment - day};
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", yearOf(day),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

}  // namespace quintara::provider
