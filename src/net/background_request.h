// Background request: one web access on a worker thread while the calling
// (GUI) thread waits for it with window messages still dispatched, up to a
// time-out; to the caller an ordinary blocking call.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"
#include "net/request_policy.h"

namespace quintara {

// What becomes of the body once it has arrived.
enum class BodyConversion {
    None,
    Utf8ToGbk,            // conversion 1
    Big5ToSimplifiedGbk,  // conversion 2: Big5 to GBK, traditional to simplified
};

// The parameters of a background request, in their order and with their
// defaults; the response headers come back in the answer.
struct BackgroundRequest {
    std::string address;       // passed on unchanged; only spaces: no request at all
    bool post = false;         // POST instead of GET
    std::string proxy;         // "host:port" of an HTTP proxy; empty: none
    std::string extraHeaders;  // header lines, each ended by CR LF
    std::string body;          // bytes sent with a POST
    std::string cookies;       // cookie text the request carries
    int timeoutSeconds = 60;   // how long the caller waits
    BodyConversion conversion = BodyConversion::None;
};

// Returned as the body when the wait runs out.
inline constexpr std::string_view kTimeoutText = "超时返回，你可以把参数中的超时值设置长一些。";

struct BackgroundAnswer {
    std::string body;             // converted as asked; kTimeoutText on time-out
    std::string responseHeaders;  // raw header text of the final answer; empty on time-out
    bool timedOut = false;        // the body is kTimeoutText, not data
    FetchOutcome outcome;         // how the request ended (TimedOut when the wait ran out)
};

// Runs the request with redirects followed. On time-out the caller has
// control back right after the limit: the transfer is aborted and its thread
// joined before this returns, so nothing of it outlives the call.
[[nodiscard]] BackgroundAnswer backgroundRequest(Platform& platform,
                                                 const BackgroundRequest& request);

}  // namespace quintara
