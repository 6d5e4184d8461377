// The provider's small HTML pages: the version page, the maker's page and the
// HTML viewer's start page.
#pragma once

#include <string>
#include <string_view>

namespace quintara::provider {

// The version the program carries (the caption of its label 标签80); the
// version page publishes it so that the program's start-up goes on.
inline constexpr std::string_view kPublishedVersion = "9.0";

// The version stands between the page's first two "==" markers.
[[nodiscard]] std::string versionPage();

// The page the program opens in the browser at start.
[[nodiscard]] std::string makerPage();

// The page the program's hidden HTML viewer loads.
[[nodiscard]] std::string viewerPage();

}  // namespace quintara::provider
