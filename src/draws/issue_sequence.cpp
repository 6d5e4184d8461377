#include "draws/issue_sequence.h"

#include <chrono>
#include <cstdio>

#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::size_t kDateLength = 8;
constexpr std::size_t kIssueNumberLength = 12;

std::optional<int> digitsValue(std::string_view text) {
    if (!allDigits(text)) return std::nullopt;
    return static_cast<int>(leadingInteger(text));
}

// The date and the sequence number (1 to 999) of "YYYYMMDD-NNN"; none
// unless the date is a real one.
struct IssueParts {
    std::chrono::sys_days date;
    int sequence = 0;
};

std::optional<IssueParts> partsOf(std::string_view issue) {
    if (issue.size() != kIssueNumberLength || issue[kDateLength] != '-') return std::nullopt;
    const auto year = digitsValue(issue.substr(0, 4));
    const auto month = digitsValue(issue.substr(4, 2));
    const auto day = digitsValue(issue.substr(6, 2));
    const auto sequence = digitsValue(issue.substr(kDateLength + 1));
    if (!year || !month || !day || !sequence || *sequence < 1) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) return std::nullopt;
    return IssueParts{std::chrono::sys_days(date), *sequence};
}

}  // namespace

std::optional<std::int64_t> issueOrdinal(std::string_view issue) {
    const auto parts = partsOf(issue);
    if (!parts || parts->sequence > kDrawsPerDay) return std::nullopt;
    return parts->date.time_since_epoch().count() * kDrawsPerDay + (parts->sequence - 1);
}

bool isIssueNumber(std::string_view issue) { return partsOf(issue).has_value(); }

std::optional<std::string> issueNumberIn(std::string_view text) {
    std::string issue(text);
    // "YYYYMMDDNNN": the date's 8 digits, then the sequence's 3.
    if (issue.size() == kIssueNumberLength - 1 && allDigits(issue)) issue.insert(kDateLength, 1, '-');
    if (!isIssueNumber(issue)) return std::nullopt;
    return issue;
}

std::string successorOf(std::string_view issue) {
    const auto ordinal = issueOrdinal(issue);
    if (!ordinal) return {};
    const std::int64_t next = *ordinal + 1;
    // Days before 1970 count down from -1: round the day towards the past.
    const std::int64_t dayNumber = (next >= 0 ? next : next - (kDrawsPerDay - 1)) / kDrawsPerDay;
    using namespace std::chrono;
    const year_month_day date{sys_days(days(dayNumber))};
    char day[16];
    std::snprintf(day, sizeof day, "%04d%02u%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return issueOf(day, static_cast<int>(next - dayNumber * kDrawsPerDay) + 1);
}

std::string issueOf(std::string_view date, int sequence) {
    char number[8];
    std::snprintf(number, sizeof number, "-%03d", sequence);
    return std::string(date) + number;
}

std::optional<std::int64_t> issuesBetween(std::string_view older, std::string_view newer) {
    const auto from = issueOrdinal(older);
    const auto to = issueOrdinal(newer);
    if (!from || !to || *to <= *from) return std::nullopt;
    return *to - *from - 1;
}

}  // namespace quintara
