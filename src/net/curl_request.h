// A libcurl handle set up to send exactly what a web access built: the
// request line, Host, the user agent, then the header text line by line in
// its order, and nothing libcurl would add of its own.
#pragma once

#include <optional>
#include <string_view>

#include "net/address_parts.h"
#include "net/curl_support.h"
#include "net/request_block.h"
#include "net/request_flags.h"

namespace quintara {

// The handle and the lists it reads while it runs.
struct CurlRequest {
    CurlEasy easy;
    CurlList headers;
    CurlList proxyHeaders;
};

struct RequestWire {
    const RequestBlock& block;  // method, proxy and body
    const AddressParts& parts;
    const RequestFlags& flags;
    std::string_view userAgent;
    std::string_view headerText;
};

// None when no request can be made: libcurl has no handle, the method is
// neither "GET" nor "POST", or the address names no host libcurl would
// connect to as named.
[[nodiscard]] std::optional<CurlRequest> makeCurlRequest(const RequestWire& wire);

}  // namespace quintara
