// The synchronous HTTP GET of a whole resource, always answered by the
// server (never by a cache on the way), within the request policy.
#pragma once

#include <stop_token>
#include <string>

#include "net/request_policy.h"

namespace quintara {

struct HttpGetResult {
    std::string body;  // empty unless the outcome is Completed
    FetchOutcome outcome;
};

// `address` fetched within `policy`; a `stop` requested from another thread
// ends it at once. Safe to call from several threads at once.
[[nodiscard]] HttpGetResult fetchResource(const std::string& address,
                                          const RequestPolicy& policy = kResourceGetPolicy,
                                          std::stop_token stop = {});

// The body of `address` (raw bytes) or, on any failure, the empty text: no
// connection, a time bound passed, more than 5 redirects, an HTTP status of
// 400 or more, or a body longer than 64 MiB.
[[nodiscard]] std::string httpGet(const std::string& address, TimeBounds bounds = {});

}  // namespace quintara
