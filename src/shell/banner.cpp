#include "shell/banner.h"

#include "draws/http_get.h"

namespace quintara {

void showBanner(const Window& window, const std::string& bannerAddress) {
    window.pictureBox("主界面广告").setPicture(httpGet(bannerAddress));
}

}  // namespace quintara
