// What the lottery API is asked for: the draw that follows the newest one
// held.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace quintara {

// The issue after `newestIssue` ("20181101-120", or empty for an empty
// history) as the lottery API takes it: two-digit year, month, day and the
// 3-digit sequence, 9 digits. The next sequence is the newest one's plus 1,
// 001 after 120, on today's date; the 120th asked for during hour 0 is
// yesterday's.
[[nodiscard]] std::string nextIssueAsked(std::string_view newestIssue, const LocalTime& now);

}  // namespace quintara
