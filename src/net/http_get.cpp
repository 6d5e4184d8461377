#include "net/http_get.h"

#include <chrono>
#include <system_error>

#include "platform/dispatching_work.h"
#include "net/own_request.h"

namespace quintara {

HttpGetResult fetchResource(const std::string& address, const RequestPolicy& policy,
                            std::stop_token stop) {
    TransferResult result =
        runOwnRequest({.address = address, .headerLines = {"Cache-Control: no-cache", "Pragma: no-cache"}}, policy,
                      std::move(stop));
    if (result.outcome.end != TransferEnd::Completed) result.body.clear();
    return {.body = std::move(result.body), .outcome = std::move(result.outcome)};
}

HttpGetResult fetchWhileDispatching(Platform& platform, const std::string& address,
                                    const RequestPolicy& policy) {
    // The wait lasts as long as the whole transfer may, and a moment more so
    // that a transfer past its bound says so itself; a bound of 0 (none) as
    // long as a wait can.
    constexpr std::chrono::milliseconds kOwnBoundFirst{500};
    const std::chrono::milliseconds limit = policy.time.whole.count() > 0
                                                ? policy.time.whole + kOwnBoundFirst
                                                : std::chrono::milliseconds::max();
    try {
        std::optional<HttpGetResult> fetched =
            runWhileDispatching(platform, limit, [address, policy](std::stop_token stop) {
                return fetchResource(address, policy, stop);
            });
        if (fetched) return std::move(*fetched);
        return {.outcome = {.end = TransferEnd::Stopped, .error = "the wait for the answer ended"}};
    } catch (const std::system_error& error) {
        return {.outcome = {.error = error.what()}};  // no thread to be had: as a failed GET
    }
}

std::string httpGet(Platform& platform, const std::string& address, TimeBounds bounds) {
    RequestPolicy policy = kResourceGetPolicy;
    policy.time = bounds;
    return fetchWhileDispatching(platform, address, policy).body;
}

}  // namespace quintara
