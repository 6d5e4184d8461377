#include "net/http_get.h"

#include "net/curl_support.h"

namespace quintara {
namespace {

// Takes one piece of the body; refusing a piece past the limit makes the
// transfer fail.
std::size_t takeBody(char* data, std::size_t size, std::size_t count, void* body) {
    auto& into = *static_cast<std::string*>(body);
    const std::size_t length = size * count;
    if (length > kHttpGetBodyLimit - into.size()) return 0;
    into.append(data, length);
    return length;
}

}  // namespace

std::string httpGet(const std::string& address, HttpGetBounds bounds) {
    const CurlEasy curl = makeCurlEasy();
    if (!curl) return {};
    CurlList headers(curl_slist_append(nullptr, "Cache-Control: no-cache"));
    if (!headers) return {};
    if (curl_slist_append(headers.get(), "Pragma: no-cache") == nullptr) return {};

    std::string body;
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kHttpGetRedirectLimit);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(bounds.connect.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(bounds.whole.count()));
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kHttpGetBodyLimit));
    // No proxy from the environment: the program reads no configuration.
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    // No signals: the time bounds must hold on any thread.
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, takeBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);

    if (curl_easy_perform(handle) != CURLE_OK) return {};
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 400) return {};
    return body;
}

}  // namespace quintara
