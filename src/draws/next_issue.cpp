#include "draws/next_issue.h"

#include <chrono>
#include <cstdio>

#include "draws/issue.h"
#include "text/keep_digits.h"
#include "text/numbers.h"

namespace quintara {
namespace {

std::string padded(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

}  // namespace

std::string nextIssueAsked(std::string_view newestIssue, const LocalTime& now) {
    const std::string digits = keepDigits(newestIssue);
    const int following = static_cast<int>(leadingInteger(rightmost(digits, 3))) + 1;
    const std::string sequence = following == kDrawsPerDay + 1 ? "001" : padded(following, 3);

    using namespace std::chrono;
    sys_days date = year_month_day(year(now.year), month(static_cast<unsigned>(now.month)),
                                   day(static_cast<unsigned>(now.day)));
    // The last draw of a day, asked for after midnight, belongs to the day before.
    if (sequence == padded(kDrawsPerDay, 3) && now.hour == 0) date -= days(1);
    const year_month_day asked(date);

    return padded(static_cast<int>(asked.year()) % 100, 2) +
           padded(static_cast<int>(static_cast<unsigned>(asked.month())), 2) +
           padded(static_cast<int>(static_cast<unsigned>(asked.day())), 2) + sequence;
}

}  // namespace quintara
