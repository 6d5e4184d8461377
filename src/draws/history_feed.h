// The history feed: the provider's document of past draws, and the draw
// entries it yields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintara {

// The draw entries (issue number of 12 characters, then the five digits) of
// a feed document, newest first: the document lists its draws oldest first.
[[nodiscard]] std::vector<std::string> parseHistoryFeed(std::string_view body);

}  // namespace quintara
