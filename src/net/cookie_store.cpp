#include "net/cookie_store.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

#include "net/cookie_lines.h"
#include "net/curl_support.h"
#include "text/ascii_text.h"

namespace quintara {
namespace {

constexpr std::string_view kSetCookie = "Set-Cookie:";

// The share that holds the cookies, with one lock for each kind of data
// libcurl may ask to lock.
class CookieShare {
public:
    static CookieShare& instance() {
        static CookieShare share;
        return share;
    }

    // A handle that reads and writes the shared cookies; null when libcurl
    // has no memory for one.
    [[nodiscard]] CurlEasy attachedHandle() const {
        CurlEasy easy = makeCurlEasy();
        if (!easy || !share_ ||
            curl_easy_setopt(easy.get(), CURLOPT_SHARE, share_.get()) != CURLE_OK) {
            return nullptr;
        }
        return easy;
    }

private:
    CookieShare() {
        ensureCurlReady();
        share_.reset(curl_share_init());
        if (!share_) return;
        curl_share_setopt(share_.get(), CURLSHOPT_LOCKFUNC, &CookieShare::lock);
        curl_share_setopt(share_.get(), CURLSHOPT_UNLOCKFUNC, &CookieShare::unlock);
        curl_share_setopt(share_.get(), CURLSHOPT_USERDATA, this);
        curl_share_setopt(share_.get(), CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    }

    static void lock(CURL*, curl_lock_data data, curl_lock_access, void* self) {
        static_cast<CookieShare*>(self)->locks_.at(static_cast<std::size_t>(data)).lock();
    }
    static void unlock(CURL*, curl_lock_data data, void* self) {
        static_cast<CookieShare*>(self)->locks_.at(static_cast<std::size_t>(data)).unlock();
    }

    std::array<std::mutex, CURL_LOCK_DATA_LAST> locks_;
    CurlShare share_;
};

std::vector<StoredCookie> allStoredCookies() {
    std::vector<StoredCookie> cookies;
    const CurlEasy easy = CookieShare::instance().attachedHandle();
    curl_slist* lines = nullptr;
    if (!easy || curl_easy_getinfo(easy.get(), CURLINFO_COOKIELIST, &lines) != CURLE_OK) {
        return cookies;
    }
    const CurlList owned(lines);
    for (const curl_slist* line = owned.get(); line != nullptr; line = line->next) {
        if (auto cookie = cookieFromNetscapeLine(line->data)) cookies.push_back(std::move(*cookie));
    }
    return cookies;
}

}  // namespace

void storeSetCookieLines(std::string_view headerText, std::string_view host) {
    if (!containsIgnoringCase(headerText, kSetCookie)) return;
    const CurlEasy easy = CookieShare::instance().attachedHandle();
    if (!easy) return;
    const std::time_t now = std::time(nullptr);
    for (const std::string_view line : textLines(headerText)) {
        if (!startsWithIgnoringCase(line, kSetCookie)) continue;
        const auto cookie = cookieFromSetCookie(line.substr(kSetCookie.size()), host, now);
        if (!cookie) continue;
        const std::string stored = netscapeLine(*cookie);
        curl_easy_setopt(easy.get(), CURLOPT_COOKIELIST, stored.c_str());
    }
}

std::string storedCookies(std::string_view host, std::string_view path, bool secure) {
    const std::time_t now = std::time(nullptr);
    std::vector<StoredCookie> cookies = allStoredCookies();
    std::erase_if(cookies, [&](const StoredCookie& cookie) {
        return !cookieApplies(cookie, host, path, secure, now);
    });
    // libcurl lists a host's cookies in the order they were stored: among
    // equal paths the cookie set first comes first.
    std::stable_sort(
        cookies.begin(), cookies.end(),
        [](const StoredCookie& a, const StoredCookie& b) { return a.path.size() > b.path.size(); });
    std::string value;
    for (const StoredCookie& cookie : cookies) {
        if (!value.empty()) value += "; ";
        value.append(cookie.name).append("=").append(cookie.value);
    }
    return value;
}

}  // namespace quintara
