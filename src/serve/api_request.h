// A request to the watcher's server as its routing sees it, and the reply it
// makes: plain data, apart from the HTTP library, so that routing and
// refusals are the same under test and fuzzing as on the wire.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quintara {

// The query's parameters, percent-decoded; a name may come more than once.
using QueryParameters = std::multimap<std::string, std::string>;

struct ApiRequest {
    std::string_view method;
    std::string_view path;  // without the query
    const QueryParameters& parameters;
    std::string_view authorization;  // the Authorization header; empty when none
    std::size_t headerBytes = 0;     // the request line and the header lines as sent
    bool carriesBody = false;        // a Content-Length past 0, or a Transfer-Encoding
    bool namesHost = true;           // an HTTP/1.1 request must have a Host header
};

struct ApiReply {
    int status = 200;
    std::string contentType = "application/json";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;  // besides those of every reply
};

// A reply of `status` whose body is {"error":TEXT}.
[[nodiscard]] ApiReply errorReply(int status, std::string_view text);

}  // namespace quintara
