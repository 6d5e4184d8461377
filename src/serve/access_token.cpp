#include "serve/access_token.h"

#include <openssl/crypto.h>
#include <openssl/sha.h>

#include "text/ascii_text.h"

namespace quintara {
namespace {

constexpr std::size_t kLongestToken = 512;
constexpr std::string_view kBearer = "Bearer ";

template <typename Digest>
Digest sha256(std::string_view text) {
    Digest digest{};
    SHA256(reinterpret_cast<const unsigned char*>(text.data()), text.size(), digest.data());
    return digest;
}

bool usable(std::string_view token) {
    if (token.empty() || token.size() > kLongestToken) return false;
    for (const char c : token) {
        if (c <= ' ' || c > '~') return false;
    }
    return true;
}

}  // namespace

std::optional<AccessToken> AccessToken::of(std::string_view token) {
    if (!usable(token)) return std::nullopt;
    return AccessToken(sha256<Digest>(token));
}

std::optional<AccessToken> AccessToken::ofFileText(std::string_view text) {
    std::string_view line = text.substr(0, text.find('\n'));
    if (line.ends_with('\r')) line.remove_suffix(1);
    return of(trimSpaces(line));
}

bool AccessToken::admits(std::string_view presented) const {
    const Digest digest = sha256<Digest>(presented);
    return CRYPTO_memcmp(digest.data(), digest_.data(), digest.size()) == 0;
}

std::optional<std::string_view> presentedToken(std::string_view authorization, const std::string* tokenParameter) {
    if (startsWithIgnoringCase(authorization, kBearer)) return trimSpaces(authorization.substr(kBearer.size()));
    if (tokenParameter != nullptr) return std::string_view(*tokenParameter);
    return std::nullopt;
}

}  // namespace quintara
