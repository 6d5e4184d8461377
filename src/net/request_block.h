// The request block of a web access: the seven values a background request
// hands to its worker, and that come back with the answer in two of them.
#pragma once

#include <string>

namespace quintara {

struct RequestBlock {
    std::string address;         // on return: the response body (bytes)
    std::string method;          // "GET" or "POST"
    std::string proxy;           // "host:port" of an HTTP proxy; empty: none
    std::string extraHeaders;    // header lines, each ended by CR LF
    std::string body;            // bytes sent with a POST
    std::string cookies;         // on return: the raw header text of the final response
    std::string redirectSwitch;  // "真" follows redirects, any other text forbids them
};

// The redirect switch's text that lets a request follow redirects.
inline constexpr const char* kFollowRedirects = "真";

}  // namespace quintara
