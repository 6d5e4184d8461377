// The one request policy: the bounds every request of the program keeps and
// what an answer's status means, and the outcome of a request as the program
// sees it inside (a caller that wants only a body takes only the body).
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace quintara {

struct TimeBounds {
    std::chrono::milliseconds connect{10000};
    // The whole transfer, redirects included; 0: none of its own (a
    // background request's wait bounds it instead).
    std::chrono::milliseconds whole{30000};
};

struct RequestPolicy {
    TimeBounds time;
    long redirectLimit = 5;
    // What the web access's redirect switch decides; the GET follows them.
    bool followRedirects = true;
    // An answer of status 400 or more gives no body. The web access takes an
    // error page's body as the body.
    bool errorStatusFails = true;
    std::size_t bodyLimit = std::size_t{64} << 20;  // 64 MiB
    // Of all answers of a redirect chain. (libcurl 7.88 gives up on one
    // answer's headers past some 300 KiB already, which ends it as Failed.)
    std::size_t headerLimit = std::size_t{1} << 20;
};

// The GET of a whole resource: the history feed, the lottery API, the
// version page, the banner and the HTML viewer's page.
inline constexpr RequestPolicy kResourceGetPolicy{};

// A web access: no time bound of its own, 10 redirects when its switch
// allows them, every status's body.
[[nodiscard]] constexpr RequestPolicy webAccessPolicy(bool followRedirects) {
    return {.time = {.whole = std::chrono::milliseconds(0)},
            .redirectLimit = 10,
            .followRedirects = followRedirects,
            .errorStatusFails = false};
}

enum class TransferEnd {
    Completed,   // the answer came in whole
    Failed,      // no connection, the connection broke off, or libcurl gave up
    TimedOut,    // a time bound passed
    OverBounds,  // a body or headers past the policy's limits
    Stopped,     // a stop was requested
};

// How a request ended.
struct FetchOutcome {
    TransferEnd end = TransferEnd::Failed;
    long httpStatus = 0;  // of the final answer; 0 when none came
    std::string error;    // libcurl's own words when it failed
};

// One line for a person: "200, 1234 bytes", "failed: Could not connect to
// server", "404 (an error status: no body)".
[[nodiscard]] std::string describeOutcome(const FetchOutcome& outcome, std::size_t bodyBytes,
                                          const RequestPolicy& policy);

}  // namespace quintara
