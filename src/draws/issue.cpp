#include "draws/issue.h"

#include <cstdio>

#include "text/numbers.h"

namespace quintara {
namespace {

std::optional<int> digitsValue(std::string_view text) {
    if (!allDigits(text)) return std::nullopt;
    return static_cast<int>(leadingInteger(text));
}

}  // namespace

std::optional<Issue> Issue::parse(std::string_view text) {
    if (text.size() != kIssueDateLength + 1 + kIssueSequenceLength || text[kIssueDateLength] != '-') return std::nullopt;
    const auto year = digitsValue(text.substr(0, 4));
    const auto month = digitsValue(text.substr(4, 2));
    const auto day = digitsValue(text.substr(6, 2));
    const auto sequence = digitsValue(text.substr(kIssueDateLength + 1));
    if (!year || !month || !day || !sequence || *sequence < 1) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) return std::nullopt;
    return Issue(std::chrono::sys_days(date), *sequence);
}

std::optional<Issue> Issue::read(std::string_view text) {
    // "YYYYMMDDNNN": the date's 8 digits, then the sequence's 3.
    if (text.size() == kIssueDateLength + kIssueSequenceLength && allDigits(text)) {
        return parse(std::string(text.substr(0, kIssueDateLength)) + "-" + std::string(text.substr(kIssueDateLength)));
    }
    return parse(text);
}

std::string Issue::dateText() const {
    const std::chrono::year_month_day day(date_);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

std::string Issue::text() const {
    char sequence[8];
    std::snprintf(sequence, sizeof sequence, "-%03d", sequence_);
    return dateText() + sequence;
}

Issue Issue::successor() const {
    if (sequence_ < kDrawsPerDay) return {date_, sequence_ + 1};
    return {date_ + std::chrono::days(1), 1};
}

std::int64_t issuesMissingBetween(const Issue& older, const Issue& newer) {
    if (newer <= older) return 0;
    if (newer.date() == older.date()) return newer.sequence() - older.sequence() - 1;
    return newer.sequence() - 1;
}

std::int64_t issuesMissingBetween(std::string_view older, std::string_view newer) {
    const std::optional<Issue> from = Issue::parse(older);
    const std::optional<Issue> to = Issue::parse(newer);
    return from && to ? issuesMissingBetween(*from, *to) : 0;
}

bool isIssueNumber(std::string_view text) { return Issue::parse(text).has_value(); }

}  // namespace quintara
