// The HTTP GET of a whole resource, always answered by the server (never by
// a cache on the way), within the request policy: a blocking one for worker
// threads, and one on a worker that the GUI thread waits for with window
// messages still dispatched.
#pragma once

#include <stop_token>
#include <string>

#include "platform/platform.h"
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

// The same GET run on a worker while the caller waits through
// `platform.waitDispatching` for as long as the whole transfer may take (no
// limit when the policy sets none); a wait that ends early (the program is
// ending) stops the GET at once, its outcome Stopped.
[[nodiscard]] HttpGetResult fetchWhileDispatching(Platform& platform, const std::string& address,
                                                  const RequestPolicy& policy = kResourceGetPolicy);

// The body of `address` (raw bytes) fetched while dispatching or, on any
// failure, the empty text: no connection, a time bound passed, more than 5
// redirects, an HTTP status of 400 or more, or a body longer than 64 MiB.
[[nodiscard]] std::string httpGet(Platform& platform, const std::string& address,
                                  TimeBounds bounds = {});

}  // namespace quintara
