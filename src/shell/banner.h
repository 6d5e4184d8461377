// The promotional banner: an image fetched at start into 主界面广告.
#pragma once

#include <string>
#include <string_view>

#include "controls/window.h"

namespace quintara {

inline constexpr std::string_view kBannerPath = "/jzm.gif";

// The fetched image's bytes become the picture; a failed fetch gives no
// bytes, and the banner stays empty.
void showBanner(const Window& window, const std::string& bannerAddress);

}  // namespace quintara
