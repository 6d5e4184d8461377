// The Set-Cookie lines of a response's header text, as the cookie store
// reads them: each cookie kept survives its way through a cookie-file line.
#include "fuzz_checks.h"
#include "net/cookie_lines.h"
#include "text/ascii_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintara;
    constexpr std::time_t kNow = 1796800000;
    for (const std::string_view line : textLines(fuzz::bytesOf(data, size))) {
        if (!startsWithIgnoringCase(line, "Set-Cookie:")) continue;
        const auto cookie = cookieFromSetCookie(line.substr(11), "draws.example.test", kNow);
        if (!cookie) continue;
        fuzz::require(cookie->path.starts_with('/'), "a cookie's path starts with /");
        const auto stored = cookieFromNetscapeLine(netscapeLine(*cookie));
        fuzz::require(stored.has_value(), "a kept cookie can be stored");
        fuzz::require(stored->name == cookie->name && stored->value == cookie->value &&
                          stored->domain == cookie->domain && stored->path == cookie->path &&
                          stored->secure == cookie->secure && stored->expires == cookie->expires,
                      "a stored cookie reads back as it was");
        (void)cookieApplies(*cookie, "draws.example.test", "/static/x", false, kNow);
    }
    (void)cookieFromNetscapeLine(fuzz::bytesOf(data, size));
    return 0;
}
