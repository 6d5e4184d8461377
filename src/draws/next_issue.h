// What the latest-draw sources are asked for: the draw that follows the
// newest one held.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace quintara {

struct NextIssue {
    // The rightmost 8 digits of the newest issue as a number (0 for none):
    // a draw is newer when its own key is greater.
    std::int64_t newestKey = 0;
    // Two-digit year, month, day and the 3-digit sequence: 9 digits.
    std::string issue;
};

// `newestIssue` as the history holds it ("20181101-120"), or empty.
[[nodiscard]] NextIssue nextIssueAfter(std::string_view newestIssue, const LocalTime& now);

}  // namespace quintara
