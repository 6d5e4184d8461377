// Issue numbers: the date of a draw and its sequence within the day, written
// "20261209-012". Issues are ordered by date, then sequence; that one order
// says which draw is newer, where the history has gaps and holes, what a
// range holds, and how draws merge and are kept.
#pragma once

#include <chrono>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintara {

// The most draws a day has; some days end sooner (the 59-draw schedule, a
// day cut short), and some have none.
inline constexpr int kDrawsPerDay = 120;
// The highest sequence an issue number can write.
inline constexpr int kHighestSequence = 999;
// An issue written out: the date's digits, "-" and the sequence's digits.
inline constexpr std::size_t kIssueDateLength = 8;      // "20180211"
inline constexpr std::size_t kIssueSequenceLength = 3;  // "001"

class Issue {
public:
    // "YYYYMMDD-NNN" of a real date and a sequence 001 to 999; none for any
    // other text.
    [[nodiscard]] static std::optional<Issue> parse(std::string_view text);
    // The same, also written "YYYYMMDDNNN".
    [[nodiscard]] static std::optional<Issue> read(std::string_view text);
    // Draw `sequence` (1 to 999) of the day `date`.
    Issue(std::chrono::sys_days date, int sequence) : date_(date), sequence_(sequence) {}

    [[nodiscard]] std::chrono::sys_days date() const { return date_; }
    [[nodiscard]] int sequence() const { return sequence_; }
    // "YYYYMMDD-NNN": issues written so sort as they are ordered.
    [[nodiscard]] std::string text() const;
    // "YYYYMMDD".
    [[nodiscard]] std::string dateText() const;
    // The issue that follows on a full day: the next sequence, and after the
    // 120th the next day's first.
    [[nodiscard]] Issue successor() const;

    friend auto operator<=>(const Issue&, const Issue&) = default;

private:
    std::chrono::sys_days date_;
    int sequence_;
};

// How many issues are known to be missing strictly between `older` and
// `newer`: on one day the sequences between them; across days the newer
// day's sequences before it. What followed the older draw on its own day is
// not known (the day may have ended there), nor whether the days between had
// draws at all. 0 when `newer` does not come after `older`.
[[nodiscard]] std::int64_t issuesMissingBetween(const Issue& older, const Issue& newer);
// The same for two issues as written; 0 when either is no issue number, so
// that no hole can be told.
[[nodiscard]] std::int64_t issuesMissingBetween(std::string_view older, std::string_view newer);

// Whether `text` is an issue number (Issue::parse).
[[nodiscard]] bool isIssueNumber(std::string_view text);

}  // namespace quintara
