#include "draws/next_issue.h"

#include <chrono>
#include <cstdio>

#include "draws/keep_digits.h"

namespace quintara {
namespace {

constexpr int kLastSequence = 120;

std::string padded(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

}  // namespace

std::int64_t leadingInteger(std::string_view text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > (INT64_MAX - 9) / 10) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string_view rightmost(std::string_view text, std::size_t count) {
    return text.size() > count ? text.substr(text.size() - count) : text;
}

NextIssue nextIssueAfter(std::string_view newestIssue, const LocalTime& now) {
    const std::string digits = keepDigits(newestIssue);
    const int following = static_cast<int>(leadingInteger(rightmost(digits, 3))) + 1;
    const std::string sequence = following == kLastSequence + 1 ? "001" : padded(following, 3);

    using namespace std::chrono;
    sys_days date = year_month_day(year(now.year), month(static_cast<unsigned>(now.month)),
                                   day(static_cast<unsigned>(now.day)));
    // The last draw of a day, asked for after midnight, belongs to the day before.
    if (sequence == padded(kLastSequence, 3) && now.hour == 0) date -= days(1);
    const year_month_day asked(date);

    return {leadingInteger(rightmost(digits, 8)),
            padded(static_cast<int>(asked.year()) % 100, 2) +
                padded(static_cast<int>(static_cast<unsigned>(asked.month())), 2) +
                padded(static_cast<int>(static_cast<unsigned>(asked.day())), 2) + sequence};
}

}  // namespace quintara
