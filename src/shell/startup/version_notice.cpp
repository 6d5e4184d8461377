#include "shell/startup/version_notice.h"

#include "shell/main_window_names.h"
#include "net/http_get.h"
#include "text/numbers.h"
#include "text/text_between.h"

namespace quintara {
std::optional<float> publishedVersion(std::string_view page) {
    return leadingNumber(textBetween(page, kVersionMarker, kVersionMarker));
}

void runVersionNotice(const Window& window, Platform& platform, const std::string& pageAddress,
                      std::string_view siteAddress) {
    const std::optional<float> published = publishedVersion(httpGet(platform, pageAddress));
    if (!published) return;
    const float local = leadingNumber(window.label(names::kLocalVersionLabel).caption()).value_or(0.0F);
    if (*published == local) {
        platform.showMessage("当前为最新版本,欢迎您的使用", "提示", MessageIcon::Information);
        return;
    }
    platform.showMessage("已有最新版本,请下载更新.", "警告：", MessageIcon::Exclamation);
    platform.openAddress(siteAddress);
    platform.endProgram();
}

}  // namespace quintara
