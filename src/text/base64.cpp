#include "text/base64.h"

#include <algorithm>
#include <cstdint>

namespace quintara {

std::string base64(std::string_view bytes) {
    static constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t taken = std::min<std::size_t>(3, bytes.size() - at);
        std::uint32_t group = 0;
        for (std::size_t byte = 0; byte < 3; ++byte) {
            group = (group << 8) | (byte < taken ? static_cast<unsigned char>(bytes[at + byte]) : 0U);
        }
        for (std::size_t sextet = 0; sextet < 4; ++sextet) {
            text += sextet <= taken ? kAlphabet[(group >> (18 - 6 * sextet)) & 0x3F] : '=';
        }
    }
    return text;
}

}  // namespace quintara
