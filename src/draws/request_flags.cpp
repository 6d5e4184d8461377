#include "draws/request_flags.h"

#include "draws/ascii_text.h"
#include "draws/request_block.h"

namespace quintara {

RequestFlags requestFlags(std::string_view cookies, std::string_view redirectSwitch, bool secure) {
    if (secure) return {.secure = true};
    return {.noCookies = !trimSpaces(cookies).empty(),
            .noAutoRedirect = redirectSwitch != kFollowRedirects,
            .ignoreRedirectToHttps = true};
}

}  // namespace quintara
