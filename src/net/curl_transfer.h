// One libcurl transfer run to its end through a multi handle, so that a stop
// request from another thread aborts it at once; the request policy's bounds
// are set on the handle, and the body and the header text of the final
// answer are collected within its limits.
#pragma once

#include <curl/curl.h>

#include <stop_token>
#include <string>

#include "net/request_policy.h"

namespace quintara {

struct TransferResult {
    FetchOutcome outcome;
    std::string body;        // what arrived of the final answer's body; none of an
                             // error status when the policy says so
    std::string headerText;  // status line and header lines of the final answer, each
                             // ended by CR LF, then the empty line
};

// Runs the transfer that `easy` is set up for, within `policy`. It takes
// over the handle's write and header callbacks, its time bounds, redirects
// and largest body size.
[[nodiscard]] TransferResult runTransfer(CURL* easy, const RequestPolicy& policy,
                                         std::stop_token stop);

}  // namespace quintara
