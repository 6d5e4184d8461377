// What every request must be before it is routed: headers of at most
// kMostHeaderBytes, a Host header (HTTP/1.1), GET or HEAD without a body,
// and, when the server has a token, carrying it. A refusal says which it is
// not: 431, 400, 405 (with Allow), 413 or 401 (with WWW-Authenticate).
#pragma once

#include <cstddef>
#include <optional>

#include "serve/access_token.h"
#include "serve/api_request.h"

namespace quintara {

inline constexpr std::size_t kMostHeaderBytes = 8192;

// The refusal of `request`; none when it may be routed. Without a token
// (a loopback server) none is asked for.
[[nodiscard]] std::optional<ApiReply> refusal(const ApiRequest& request, const AccessToken* token);

}  // namespace quintara
