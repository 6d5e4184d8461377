// The banner the program shows at the top of its window: a picture of our
// own, made when the provider starts.
#pragma once

#include <string>

namespace quintara::provider {

inline constexpr int kBannerWidth = 784;
inline constexpr int kBannerHeight = 160;

// Five coloured balls in gold rings on dark blue diagonal stripes, between
// two gold lines: the banner as a GIF file.
[[nodiscard]] std::string bannerGif();

}  // namespace quintara::provider
