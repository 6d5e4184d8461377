// A request of the program's own, not a web access: a GET or a POST to an
// address with the header lines given, no proxy from the environment, run
// within the request policy. Safe to call from several threads at once.
#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "net/curl_transfer.h"
#include "net/request_policy.h"

namespace quintara {

struct OwnRequest {
    std::string address;
    std::vector<std::string> headerLines;  // "Name: value", without line ends
    std::optional<std::string> body;       // a POST of it; none: a GET
};

// The request made; a `stop` requested from another thread ends it at once.
[[nodiscard]] TransferResult runOwnRequest(const OwnRequest& request, const RequestPolicy& policy,
                                           std::stop_token stop = {});

}  // namespace quintara
