// Reading a newer draw out of the answers of the three latest-draw sources.
// Each gives a draw entry of 17 characters ("20181101-120" then the five
// digits), or the empty text when its answer holds no well-formed draw after
// the newest one held (none: the history is empty, and any draw is newer).
// Newer means a later issue, date first: a draw of today is newer than one
// of 2019 whatever their sequences, and 20300101-001 follows 20291231-120.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "draws/issue.h"

namespace quintara {

// The lottery API, asked for `nextIssue` (9 digits): the code stands between
// the first ":" and the first "sw" of an answer that mentions "gw". An answer
// that names an issue ("issue":"…") whose digits do not end in `nextIssue`
// is another draw's, and gives none; so does an asked issue that is not after
// the newest held (a clock behind the draws).
[[nodiscard]] std::string entryFromLotteryApi(std::string_view body, std::string_view nextIssue,
                                              const std::optional<Issue>& newestHeld);

// The newly-open list: of its records expect="…" opencode="…" opentime=, the
// oldest one newer than the newest held, so that a history several draws
// behind catches up one draw at a time without a gap.
[[nodiscard]] std::string entryFromNewlyOpenList(std::string_view body, const std::optional<Issue>& newestHeld);

// The flash data: from its first "result" to its first "leftTime", the code's
// five digits and then the draw's 11-digit issue.
[[nodiscard]] std::string entryFromFlashData(std::string_view body, const std::optional<Issue>& newestHeld);

// Whether a body is an answer of the source at all, with a newer draw or
// without: a poll takes any other body for a malformed answer.
//
// The lottery API: it names a "code" or a "gw" (it answers an issue it has
// not drawn yet with an empty code or the issue's echo).
[[nodiscard]] bool isLotteryApiAnswer(std::string_view body);
// The newly-open list: one record at least that reads as a draw.
[[nodiscard]] bool isNewlyOpenListAnswer(std::string_view body);
// The flash data: a code and an issue between "result" and "leftTime".
[[nodiscard]] bool isFlashDataAnswer(std::string_view body);

}  // namespace quintara
