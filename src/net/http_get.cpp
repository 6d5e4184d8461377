#include "net/http_get.h"

#include <chrono>
#include <system_error>

#include "platform/dispatching_work.h"
#include "net/curl_support.h"
#include "net/curl_transfer.h"

namespace quintara {

HttpGetResult fetchResource(const std::string& address, const RequestPolicy& policy,
                            std::stop_token stop) {
    const CurlEasy curl = makeCurlEasy();
    if (!curl) return {.outcome = {.error = "libcurl has no handle to give"}};
    CurlList headers(curl_slist_append(nullptr, "Cache-Control: no-cache"));
    if (!headers || curl_slist_append(headers.get(), "Pragma: no-cache") == nullptr) {
        return {.outcome = {.error = "no memory for the header lines"}};
    }

    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    // No proxy from the environment: the program reads no configuration.
    curl_easy_setopt(handle, CURLOPT_PROXY, "");

    TransferResult result = runTransfer(handle, policy, std::move(stop));
    if (result.outcome.end != TransferEnd::Completed) result.body.clear();
    return {.body = std::move(result.body), .outcome = std::move(result.outcome)};
}

std::string httpGet(Platform& platform, const std::string& address, TimeBounds bounds) {
    RequestPolicy policy = kResourceGetPolicy;
    policy.time = bounds;
    // The wait lasts as long as the whole transfer may; a bound of 0 (none)
    // as long as a wait can.
    const std::chrono::milliseconds limit =
        bounds.whole.count() > 0 ? bounds.whole : std::chrono::milliseconds::max();
    try {
        std::optional<HttpGetResult> fetched =
            runWhileDispatching(platform, limit, [address, policy](std::stop_token stop) {
                return fetchResource(address, policy, stop);
            });
        return fetched ? std::move(fetched->body) : std::string();
    } catch (const std::system_error&) {
        return {};  // no thread to be had: as a failed GET
    }
}

}  // namespace quintara
