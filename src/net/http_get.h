// The synchronous HTTP GET of a whole resource, always answered by the
// server (never by a cache on the way), with bounds on time and size.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace quintara {

struct HttpGetBounds {
    std::chrono::milliseconds connect{10000};
    std::chrono::milliseconds whole{30000};  // the whole transfer, redirects included
};

inline constexpr long kHttpGetRedirectLimit = 5;
inline constexpr std::size_t kHttpGetBodyLimit = std::size_t{64} << 20;  // 64 MiB

// The body of `address` (raw bytes) or, on any failure, the empty text:
// no connection, a time bound passed, more than 5 redirects, an HTTP status
// of 400 or more, or a body longer than 64 MiB. Safe to call from several
// threads at once.
[[nodiscard]] std::string httpGet(const std::string& address, HttpGetBounds bounds = {});

}  // namespace quintara
