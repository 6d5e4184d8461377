// The promotional banner: an image fetched at start into 主界面广告.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"
#include "controls/window.h"

namespace quintara {

inline constexpr std::string_view kBannerPath = "/jzm.gif";

// The fetched image's bytes become the picture; a failed fetch gives no
// bytes, and the banner stays empty. The window stays alive meanwhile.
void showBanner(const Window& window, Platform& platform, const std::string& bannerAddress);

}  // namespace quintara
