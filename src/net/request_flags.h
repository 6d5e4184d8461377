// The request flags of a web access, and what each of them keeps in libcurl.
//
// Every plain request starts as a reload (never answered from a cache) that
// needs its whole body in hand: libcurl keeps no cache and hands the body to
// us in memory, so both hold without a setting. A secure request drops all
// flags but "secure": it follows redirects whatever its switch says (to
// https only) and gets the store's cookies even when it carries its own.
#pragma once

#include <string_view>

namespace quintara {

struct RequestFlags {
    // No cookies from the store: the request carries cookies of its own.
    // (Cookies the answer sets are stored either way.)
    bool noCookies = false;
    // Redirects are not followed: libcurl's FOLLOWLOCATION stays off and the
    // redirect answer itself is the result.
    bool noAutoRedirect = false;
    // TLS to port 443, with the server's certificate and name verified.
    bool secure = false;
    // A redirect from http to https is followed like one to http; without
    // it, redirects may lead to https only.
    bool ignoreRedirectToHttps = false;
};

// The flags of a request with these cookies and this redirect switch.
[[nodiscard]] RequestFlags requestFlags(std::string_view cookies, std::string_view redirectSwitch,
                                        bool secure);

}  // namespace quintara
