// Web access: one HTTP or HTTPS request made from a request block, with the
// program's default header lines and the process's cookie store.
#pragma once

#include <stop_token>

#include "net/request_block.h"
#include "net/request_policy.h"

namespace quintara {

// Makes the request and writes the answer into the block: the body into
// `address`, the raw header text of the final answer into `cookies`. The
// HTTP status is not judged: a 404 page's body is the body. A failure leaves
// what arrived of the body; when no request could be made at all `cookies`
// keeps its text. A body or headers past the policy's limits (64 MiB, 1 MiB)
// leave nothing, and so does a `stop` requested from another thread, which
// ends the request at once. Cookies the answer sets are stored under
// "http://" + host; the stored ones are sent along unless the request
// carries its own. Returns how the request ended.
FetchOutcome webAccess(RequestBlock& block, std::stop_token stop = {});

}  // namespace quintara
