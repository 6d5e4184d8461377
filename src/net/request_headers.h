// The header text of a web access: the caller's extra header lines, then the
// default lines on their conditions, in a fixed order; and the user agent.
#pragma once

#include <string>
#include <string_view>

#include "net/request_block.h"

namespace quintara {

inline constexpr std::string_view kDefaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

// The agent named by a "User-Agent:" line of the extra headers (letter case
// ignored, spaces at both ends removed), or the default user agent.
[[nodiscard]] std::string userAgentOf(std::string_view extraHeaders);

// The header text sent after the request line, Host and the user agent.
// To the extra headers it appends, each only when the text lacks it (letter
// case ignored, anywhere in the text): the default Accept line; a Referer
// naming `address`, unless the text holds the marker "RefererNo", which is
// taken out; "Accept-Language: zh-cn". A POST with a body then gets
// Content-Type, Content-Length and the block's cookies; a GET gets the
// block's cookies when they are more than spaces.
[[nodiscard]] std::string requestHeaderText(const RequestBlock& block, std::string_view address);

}  // namespace quintara
