// The history feed: the provider's document of past draws, and the draw
// entries it yields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintara {

// Where the history provider publishes the feed.
inline constexpr std::string_view kHistoryFeedPath = "/static/public/ssc/xml/historyopen.xml";

// The draw entries (issue number of 12 characters, then the five digits) of
// a feed document, newest first: the document lists its draws oldest first,
// each as "expect=", its issue, "opencode=", its digits and "opentime" on one
// line. A draw whose issue does not hold exactly 9 digits (year, month, day,
// sequence) or whose code does not hold exactly 5 is left out.
[[nodiscard]] std::vector<std::string> parseHistoryFeed(std::string_view body);

}  // namespace quintara
