// The Accept line every request of the program carries, as the provider
// sees it.
#pragma once

#include <string_view>

namespace quintara::testing {

inline constexpr std::string_view kAcceptLine =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";

}  // namespace quintara::testing
