#include "shell/startup/banner.h"

#include "shell/main_window_names.h"
#include "net/http_get.h"

namespace quintara {

void showBanner(const Window& window, Platform& platform, const std::string& bannerAddress) {
    window.pictureBox(names::kBanner).setPicture(httpGet(platform, bannerAddress));
}

}  // namespace quintara
