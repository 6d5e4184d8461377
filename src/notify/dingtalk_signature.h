// The signature a DingTalk group bot asks of each message when it has a
// secret: HMAC-SHA256 of "TIMESTAMP\nSECRET" keyed by the secret, in Base64,
// sent with the timestamp (milliseconds since 1970) in the address.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quintara {

[[nodiscard]] std::string dingTalkSignature(std::string_view secret, std::int64_t timestampMs);

}  // namespace quintara
