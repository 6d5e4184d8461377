// The one cookie store of the process. Every web access stores the cookies
// its answer sets, under "http://" + host, and may send the stored ones
// back. The store lives in a libcurl share whose locks let any thread use it.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

// Stores the cookie of every "Set-Cookie:" line of `headerText` (letter case
// ignored) as set by "http://" + `host`: its Path, Domain (this host or a
// parent of it), Expires / Max-Age and Secure are honoured, a cookie with a
// Domain of another host is not stored.
void storeSetCookieLines(std::string_view headerText, std::string_view host);

// The Cookie value ("name=value; name=value") of the stored, unexpired
// cookies that a request to `host` and `path` may carry, longer paths first;
// empty when there are none. Secure cookies go only with a secure request.
[[nodiscard]] std::string storedCookies(std::string_view host, std::string_view path, bool secure);

}  // namespace quintara
