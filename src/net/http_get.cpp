#include "net/http_get.h"

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

std::string httpGet(const std::string& address, TimeBounds bounds) {
    RequestPolicy policy = kResourceGetPolicy;
    policy.time = bounds;
    return fetchResource(address, policy).body;
}

}  // namespace quintara
