#include "shell/version_notice.h"

#include <charconv>

#include "draws/http_get.h"
#include "draws/text_between.h"

namespace quintara {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<float> leadingNumber(std::string_view text) {
    const std::size_t start = std::min(text.find_first_not_of(" \t"), text.size());
    std::size_t end = start;
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) ++end;
    std::size_t digits = 0;
    for (; end < text.size() && isDigit(text[end]); ++end) ++digits;
    if (end < text.size() && text[end] == '.') {
        for (++end; end < text.size() && isDigit(text[end]); ++end) ++digits;
    }
    if (digits == 0) return std::nullopt;
    // from_chars takes no "+" in front.
    const std::size_t from = text[start] == '+' ? start + 1 : start;
    float number = 0;
    const auto [stop, error] =
        std::from_chars(text.data() + from, text.data() + end, number, std::chars_format::fixed);
    if (error != std::errc() || stop != text.data() + end) return std::nullopt;
    return number;
}

void runVersionNotice(const Window& window, Platform& platform, const std::string& pageAddress,
                      std::string_view siteAddress) {
    const std::string page = httpGet(pageAddress);
    const std::optional<float> published =
        leadingNumber(textBetween(page, kVersionMarker, kVersionMarker));
    if (!published) return;
    const float local = leadingNumber(window.label("标签80").caption()).value_or(0.0F);
    if (*published == local) {
        platform.showMessage("当前为最新版本,欢迎您的使用", "提示", MessageIcon::Information);
        return;
    }
    platform.showMessage("已有最新版本,请下载更新.", "警告：", MessageIcon::Exclamation);
    platform.openAddress(siteAddress);
    platform.endProgram();
}

}  // namespace quintara
