// Cookies as the store keeps them: read from a Set-Cookie value, written and
// read as lines of the Netscape cookie-file format that libcurl's store takes
// and gives, and matched against a request.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace quintara {

struct StoredCookie {
    std::string domain;       // a host, without a leading dot
    bool subdomains = false;  // also sent to the hosts below `domain`
    std::string path = "/";
    bool secure = false;
    std::int64_t expires = 0;  // seconds since 1970; 0: until the program ends
    std::string name;
    std::string value;
};

// The cookie of a Set-Cookie value ("name=value; Path=/x; ...") set by
// "http://" + `host` at time `now`; none when it is malformed or names a
// Domain that `host` is not part of.
[[nodiscard]] std::optional<StoredCookie> cookieFromSetCookie(std::string_view setCookie,
                                                              std::string_view host,
                                                              std::time_t now);

[[nodiscard]] std::string netscapeLine(const StoredCookie& cookie);
[[nodiscard]] std::optional<StoredCookie> cookieFromNetscapeLine(std::string_view line);

// Whether a request to `host` and `path` (query allowed) at time `now` carries it.
[[nodiscard]] bool cookieApplies(const StoredCookie& cookie, std::string_view host,
                                 std::string_view path, bool secure, std::time_t now);

}  // namespace quintara
