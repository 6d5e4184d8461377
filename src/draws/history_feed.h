// The history feed: the provider's document of past draws, and the draw
// entries it yields.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "draws/draw.h"

namespace quintara {

// Where the history provider publishes the feed.
inline constexpr std::string_view kHistoryFeedPath = "/static/public/ssc/xml/historyopen.xml";

// The draw entries (issue number of 12 characters, then the five digits) of
// a feed document, newest first: the document lists its draws oldest first,
// each as "expect=", its issue, "opencode=", its digits and "opentime" on one
// line. A draw whose issue does not hold exactly 9 digits (year, month, day,
// sequence) or whose code does not hold exactly 5 is left out.
[[nodiscard]] std::vector<std::string> parseHistoryFeed(std::string_view body);

// True when a feed can carry the issue: a well-formed issue number
// (isIssueNumber) of the years 2000 to 2099, the feed writing two digits of
// the year.
[[nodiscard]] bool feedCarries(std::string_view issue);

// The feed document of the draws, given oldest first, as the provider
// publishes it: one row element per line, oldest first,
//   <row expect="190101001" opencode="1,2,3,4,5" opentime="2019-01-01"/>
// Each issue must be one the feed carries. No time of day is known of a
// draw, so its opentime is its date.
[[nodiscard]] std::string historyFeedDocument(std::span<const Draw> oldestFirst);

}  // namespace quintara
