// Owning handles of libcurl, and its one-time global set-up.
#pragma once

#include <curl/curl.h>

#include <memory>

namespace quintara {

// Sets libcurl up once per process, before the first handle is made.
void ensureCurlReady();

struct CurlEasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CurlMultiDeleter {
    void operator()(CURLM* handle) const { curl_multi_cleanup(handle); }
};
struct CurlShareDeleter {
    void operator()(CURLSH* handle) const { curl_share_cleanup(handle); }
};
struct CurlListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

using CurlEasy = std::unique_ptr<CURL, CurlEasyDeleter>;
using CurlMulti = std::unique_ptr<CURLM, CurlMultiDeleter>;
using CurlShare = std::unique_ptr<CURLSH, CurlShareDeleter>;
using CurlList = std::unique_ptr<curl_slist, CurlListDeleter>;

// A new easy handle (null when libcurl has no memory for one).
[[nodiscard]] CurlEasy makeCurlEasy();

}  // namespace quintara
