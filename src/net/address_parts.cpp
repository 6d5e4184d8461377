#include "net/address_parts.h"

#include "text/ascii_text.h"

namespace quintara {
namespace {

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kHttps = "https://";

std::string eraseAll(std::string text, std::string_view part) {
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
        text.erase(at, part.size());
    }
    return text;
}

std::string_view cutAt(std::string_view text, char mark) { return text.substr(0, text.find(mark)); }

// The number after the first ":" of `authority`; 80 when there is none.
int portOf(std::string_view authority) {
    const std::size_t colon = authority.find(':');
    if (colon == std::string_view::npos) return 80;
    int port = 0;
    std::size_t digits = 0;
    for (const char c : authority.substr(colon + 1)) {
        if (c < '0' || c > '9') break;
        if (++digits > 5) return 0;
        port = port * 10 + (c - '0');
    }
    if (digits == 0) return 80;
    return port <= 65535 ? port : 0;
}

}  // namespace

AddressParts addressParts(std::string_view address) {
    AddressParts parts;
    parts.address = address.starts_with(kHttp) || address.starts_with(kHttps)
                        ? std::string(address)
                        : std::string(kHttp) + std::string(address);
    parts.secure = asciiLower(parts.address).find(kHttps) != std::string::npos;

    const std::string bare = eraseAll(eraseAll(parts.address, kHttps), kHttp);
    parts.host = asciiLower(cutAt(cutAt(bare, '/'), ':'));

    const std::string_view afterScheme =
        std::string_view(parts.address)
            .substr(parts.address.starts_with(kHttps) ? kHttps.size() : kHttp.size());
    const std::size_t slash = afterScheme.find('/');
    parts.path = slash == std::string_view::npos ? "/" : std::string(afterScheme.substr(slash));
    parts.port = parts.secure ? 443 : portOf(cutAt(afterScheme, '/'));
    return parts;
}

}  // namespace quintara
