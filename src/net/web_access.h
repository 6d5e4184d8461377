// Web access: one HTTP or HTTPS request made from a request block, with the
// program's default header lines and the process's cookie store.
#pragma once

#include <stop_token>

#include "net/request_block.h"

namespace quintara {

// Makes the request and writes the answer into the block: the body into
// `address`, the raw header text of the final answer into `cookies`. The
// HTTP status is not judged: a 404 page's body is the body. Any failure
// leaves an empty body; when no request could be made at all `cookies`
// keeps its text. A body past 64 MiB or headers past 1 MiB count as a
// failure, so does a `stop` requested from another thread, which ends the
// request at once. Cookies the answer sets are stored under "http://" +
// host; the stored ones are sent along unless the request carries its own.
void webAccess(RequestBlock& block, std::stop_token stop = {});

}  // namespace quintara
