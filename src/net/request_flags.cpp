#include "net/request_flags.h"

#include "net/request_block.h"
#include "text/ascii_text.h"

namespace quintara {

RequestFlags requestFlags(std::string_view cookies, std::string_view redirectSwitch, bool secure) {
    if (secure) return {.secure = true};
    return {.noCookies = !trimSpaces(cookies).empty(),
            .noAutoRedirect = redirectSwitch != kFollowRedirects,
            .ignoreRedirectToHttps = true};
}

}  // namespace quintara
