#include "net/request_headers.h"

#include "text/ascii_text.h"

namespace quintara {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kAgentName = "User-Agent:";
constexpr std::string_view kAcceptLine =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
constexpr std::string_view kAcceptLanguageLine = "Accept-Language: zh-cn\r\n";
constexpr std::string_view kFormTypeLine = "Content-Type: application/x-www-form-urlencoded\r\n";
constexpr std::string_view kNoRefererMarker = "RefererNo";

void appendLine(std::string& text, std::string_view name, std::string_view value) {
    text.append(name).append(": ").append(value).append(kLineEnd);
}

}  // namespace

std::string userAgentOf(std::string_view extraHeaders) {
    const std::size_t at = findIgnoringCase(extraHeaders, kAgentName);
    if (at == std::string_view::npos) return std::string(kDefaultUserAgent);
    const std::string_view value = extraHeaders.substr(at + kAgentName.size());
    return std::string(trimSpaces(value.substr(0, value.find(kLineEnd))));
}

std::string requestHeaderText(const RequestBlock& block, std::string_view address) {
    std::string text = block.extraHeaders;
    if (!containsIgnoringCase(text, "Accept")) text.append(kAcceptLine);
    if (containsIgnoringCase(text, kNoRefererMarker)) {
        text = eraseIgnoringCase(text, kNoRefererMarker);
    } else if (!containsIgnoringCase(text, "Referer")) {
        appendLine(text, "Referer", address);
    }
    if (!containsIgnoringCase(text, "Accept-Language")) text.append(kAcceptLanguageLine);

    if (block.method == "POST" && !block.body.empty()) {
        if (!containsIgnoringCase(text, "Content-Type")) text.append(kFormTypeLine);
        if (!containsIgnoringCase(text, "Content-Length")) {
            appendLine(text, "Content-Length", std::to_string(block.body.size()));
        }
        if (!block.cookies.empty()) {
            appendLine(text, "Cookie", block.cookies);
            text.append(kLineEnd);
        }
    } else if (block.method == "GET" && !trimSpaces(block.cookies).empty()) {
        appendLine(text, "Cookie", block.cookies);
    }
    return text;
}

}  // namespace quintara
