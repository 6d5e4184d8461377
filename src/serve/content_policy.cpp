#include "serve/content_policy.h"

#include <openssl/sha.h>

#include <array>

#include "text/base64.h"

namespace quintara {
namespace {

// "'sha256-BASE64'" of the text, as CSP names an inline block.
std::string hashSource(std::string_view text) {
    std::array<unsigned char, SHA256_DIGEST_LENGTH> digest{};
    SHA256(reinterpret_cast<const unsigned char*>(text.data()), text.size(), digest.data());
    return std::string("'sha256-")
        .append(base64({reinterpret_cast<const char*>(digest.data()), digest.size()}))
        .append("'");
}

// The hashes of what stands between each "<tag>" and "</tag>" of the page.
std::string inlineHashes(std::string_view page, std::string_view tag) {
    const std::string open = std::string("<").append(tag).append(">");
    const std::string close = std::string("</").append(tag).append(">");
    std::string sources;
    for (std::size_t at = page.find(open); at != std::string_view::npos; at = page.find(open, at)) {
        const std::size_t begin = at + open.size();
        const std::size_t end = page.find(close, begin);
        if (end == std::string_view::npos) break;
        sources.append(" ").append(hashSource(page.substr(begin, end - begin)));
        at = end + close.size();
    }
    return sources.empty() ? " 'none'" : sources;
}

}  // namespace

std::string contentSecurityPolicy(std::string_view page) {
    return "default-src 'none'; script-src" + inlineHashes(page, "script") + "; style-src" +
           inlineHashes(page, "style") +
           "; connect-src 'self'; img-src data:; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
}

}  // namespace quintara
