// Base64 (RFC 4648, with padding): digests in headers and addresses, and
// non-ASCII header texts as RFC 2047 words.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

[[nodiscard]] std::string base64(std::string_view bytes);

}  // namespace quintara
