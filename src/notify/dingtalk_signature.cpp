#include "notify/dingtalk_signature.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <array>

#include "text/base64.h"

namespace quintara {

std::string dingTalkSignature(std::string_view secret, std::int64_t timestampMs) {
    const std::string signed_ = std::to_string(timestampMs) + "\n" + std::string(secret);
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    HMAC(EVP_sha256(), secret.data(), static_cast<int>(secret.size()),
         reinterpret_cast<const unsigned char*>(signed_.data()), signed_.size(), digest.data(), &length);
    return base64({reinterpret_cast<const char*>(digest.data()), length});
}

}  // namespace quintara
