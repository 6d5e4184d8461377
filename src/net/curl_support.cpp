#include "net/curl_support.h"

#include <mutex>

namespace quintara {

void ensureCurlReady() {
    static std::once_flag ready;
    std::call_once(ready, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CurlEasy makeCurlEasy() {
    ensureCurlReady();
    return CurlEasy(curl_easy_init());
}

}  // namespace quintara
