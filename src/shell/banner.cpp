#include "shell/banner.h"

#include "shell/main_window_names.h"
#include "net/http_get.h"

namespace quintara {

void showBanner(const Window& window, const std::string& bannerAddress) {
    window.pictureBox(names::kBanner).setPicture(httpGet(bannerAddress));
}

}  // namespace quintara
