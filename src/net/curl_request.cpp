#include "net/curl_request.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "text/ascii_text.h"

namespace quintara {
namespace {

// Headers libcurl adds unless the list names them: an entry "Name:" with no
// value keeps each of them off the wire when the header text has no line
// of that name.
constexpr std::array kLibcurlOwnHeaders{"Accept", "Expect", "Content-Type", "Content-Length"};

struct UrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

bool append(CurlList& list, const std::string& line) {
    curl_slist* head = curl_slist_append(list.get(), line.c_str());
    if (head == nullptr) return false;
    if (!list) list.reset(head);
    return true;
}

bool namesHeader(std::string_view line, std::string_view name) {
    return startsWithIgnoringCase(line, name) && line.substr(name.size()).starts_with(':');
}

// The header text as libcurl's list: one entry per line, without empty lines
// and without the agent's line (the agent goes out right after Host).
std::optional<CurlList> headerList(std::string_view text) {
    CurlList list;
    std::array<bool, kLibcurlOwnHeaders.size()> named{};
    for (const std::string_view line : textLines(text)) {
        if (line.empty() || namesHeader(line, "User-Agent")) continue;
        for (std::size_t i = 0; i < kLibcurlOwnHeaders.size(); ++i) {
            named[i] = named[i] || namesHeader(line, kLibcurlOwnHeaders[i]);
        }
        if (!append(list, std::string(line))) return std::nullopt;
    }
    for (std::size_t i = 0; i < kLibcurlOwnHeaders.size(); ++i) {
        if (!named[i] && !append(list, std::string(kLibcurlOwnHeaders[i]) + ":"))
            return std::nullopt;
    }
    return list;
}

// The address libcurl connects to, built from the parts the web access
// worked out; none when libcurl would read another host or port out of it.
std::optional<std::string> connectAddress(const AddressParts& parts) {
    std::string address = (parts.secure ? "https://" : "http://") + parts.host + ":" +
                          std::to_string(parts.port) + parts.path;
    const std::unique_ptr<CURLU, UrlDeleter> url(curl_url());
    if (!url || curl_url_set(url.get(), CURLUPART_URL, address.c_str(), 0) != CURLUE_OK) {
        return std::nullopt;
    }
    char* host = nullptr;
    char* port = nullptr;
    const bool hostRead = curl_url_get(url.get(), CURLUPART_HOST, &host, 0) == CURLUE_OK;
    const bool portRead =
        curl_url_get(url.get(), CURLUPART_PORT, &port, CURLU_DEFAULT_PORT) == CURLUE_OK;
    const bool same = hostRead && portRead && asciiLower(host) == parts.host &&
                      std::string_view(port) == std::to_string(parts.port);
    curl_free(host);
    curl_free(port);
    if (!same) return std::nullopt;
    return address;
}

template <typename Value>
bool set(CURL* easy, CURLoption option, Value value) {
    return curl_easy_setopt(easy, option, value) == CURLE_OK;
}

bool setMethod(CURL* easy, const RequestBlock& block) {
    if (block.method == "GET") return set(easy, CURLOPT_HTTPGET, 1L);
    if (block.method != "POST") return false;
    return set(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(block.body.size())) &&
           set(easy, CURLOPT_COPYPOSTFIELDS, block.body.data());
}

// The proxy serves plain addresses only (its form is "http=" + proxy):
// secure ones, and every request without a proxy, go direct, whatever the
// environment names.
bool setProxy(CurlRequest& request, const RequestWire& wire) {
    CURL* easy = request.easy.get();
    const std::string proxy(trimSpaces(wire.block.proxy));
    if (proxy.empty() || wire.parts.secure) return set(easy, CURLOPT_PROXY, "");
    // libcurl would tell the proxy "Proxy-Connection: Keep-Alive".
    return append(request.proxyHeaders, "Proxy-Connection:") &&
           set(easy, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP)) &&
           set(easy, CURLOPT_PROXY, proxy.c_str()) &&
           set(easy, CURLOPT_PROXYHEADER, request.proxyHeaders.get());
}

// Whether and how often redirects are followed is the request policy's.
bool setRedirects(CURL* easy, const RequestFlags& flags) {
    return set(easy, CURLOPT_REDIR_PROTOCOLS_STR,
               flags.ignoreRedirectToHttps ? "http,https" : "https") &&
           // A redirected POST stays a POST with its body, so that the
           // Content-Length of its header text stays true.
           set(easy, CURLOPT_POSTREDIR, static_cast<long>(CURL_REDIR_POST_ALL));
}

bool setConnection(CURL* easy, const std::string& address, std::string_view userAgent) {
    const std::string agent(userAgent);
    return set(easy, CURLOPT_URL, address.c_str()) &&
           set(easy, CURLOPT_PROTOCOLS_STR, "http,https") &&
           set(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1)) &&
           set(easy, CURLOPT_USERAGENT, agent.c_str()) &&
           set(easy, CURLOPT_SSL_VERIFYPEER, 1L) && set(easy, CURLOPT_SSL_VERIFYHOST, 2L);
}

}  // namespace

std::optional<CurlRequest> makeCurlRequest(const RequestWire& wire) {
    const std::optional<std::string> address = connectAddress(wire.parts);
    std::optional<CurlList> headers = headerList(wire.headerText);
    if (!address || !headers) return std::nullopt;
    CurlRequest request{.easy = makeCurlEasy(), .headers = std::move(*headers)};
    CURL* easy = request.easy.get();
    if (easy == nullptr || !setMethod(easy, wire.block) ||
        !setConnection(easy, *address, wire.userAgent) || !setProxy(request, wire) ||
        !setRedirects(easy, wire.flags) || !set(easy, CURLOPT_HTTPHEADER, request.headers.get())) {
        return std::nullopt;
    }
    return request;
}

}  // namespace quintara
