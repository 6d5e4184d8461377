#include "net/own_request.h"

#include "net/curl_support.h"

namespace quintara {

TransferResult runOwnRequest(const OwnRequest& request, const RequestPolicy& policy, std::stop_token stop) {
    const CurlEasy curl = makeCurlEasy();
    if (!curl) return {.outcome = {.error = "libcurl has no handle to give"}};
    CurlList headers;
    std::vector<std::string> lines = request.headerLines;
    // A POST's body goes at once: no "Expect: 100-continue" first.
    if (request.body) lines.emplace_back("Expect:");
    for (const std::string& line : lines) {
        curl_slist* head = curl_slist_append(headers.get(), line.c_str());
        if (head == nullptr) return {.outcome = {.error = "no memory for the header lines"}};
        if (!headers) headers.reset(head);
    }

    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, request.address.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    // No proxy from the environment: the program reads no configuration.
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    if (request.body) {
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body->size()));
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, request.body->data());
    }
    return runTransfer(handle, policy, std::move(stop));
}

}  // namespace quintara
