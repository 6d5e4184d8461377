// The order of issue numbers: 120 draws a day, day after day, so that the
// draw after "20181101-120" is "20181102-001".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintara {

inline constexpr int kDrawsPerDay = 120;

// The place of an issue number ("20181101-120": a real date, "-", a sequence
// 001 to 120) in the run of all draws; empty for any other text.
[[nodiscard]] std::optional<std::int64_t> issueOrdinal(std::string_view issue);

// True for an issue number "YYYYMMDD-NNN" of a real date and a sequence 001
// to 999: any issue a day's schedule can have, the ones the archive keeps.
[[nodiscard]] bool isIssueNumber(std::string_view issue);

// The issue number written "YYYYMMDD-NNN" or "YYYYMMDDNNN", as
// "YYYYMMDD-NNN"; none unless isIssueNumber holds for it.
[[nodiscard]] std::optional<std::string> issueNumberIn(std::string_view text);

// The issue number of draw `sequence` (1 to 999) of the day `date`
// ("YYYYMMDD"): "20181101-007".
[[nodiscard]] std::string issueOf(std::string_view date, int sequence);

// The issue number that directly follows `issue`: the next sequence of the
// same date, and after 120 the next day's 001. Empty when `issue` is not a
// well-formed issue number.
[[nodiscard]] std::string successorOf(std::string_view issue);

// How many issue numbers lie strictly between `older` and `newer`; empty
// when either is not well formed or `newer` does not come after `older`.
[[nodiscard]] std::optional<std::int64_t> issuesBetween(std::string_view older,
                                                        std::string_view newer);

}  // namespace quintara
