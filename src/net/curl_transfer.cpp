#include "net/curl_transfer.h"

#include <exception>

#include "net/curl_support.h"

namespace quintara {
namespace {

struct Collector {
    TransferResult result;
    std::size_t headerBytes = 0;  // of every answer of a redirect chain
    bool overBounds = false;
};

// libcurl is C: nothing may throw through it, a failed append ends the
// transfer like a bound does.
bool appendWithin(std::string& text, const char* data, std::size_t size, std::size_t total,
                  std::size_t bound) {
    if (total > bound) return false;
    try {
        text.append(data, size);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::size_t collectBody(char* data, std::size_t, std::size_t size, void* collector) {
    auto& into = *static_cast<Collector*>(collector);
    std::string& body = into.result.body;
    if (!appendWithin(body, data, size, body.size() + size, kMaxBodyBytes)) {
        into.overBounds = true;
        return 0;
    }
    return size;
}

// libcurl hands over the headers of every answer of a redirect chain, each
// beginning with its status line: only the last answer's are kept.
std::size_t collectHeader(char* data, std::size_t, std::size_t size, void* collector) {
    auto& into = *static_cast<Collector*>(collector);
    into.headerBytes += size;
    std::string& text = into.result.headerText;
    if (std::string_view(data, size).starts_with("HTTP/")) text.clear();
    if (!appendWithin(text, data, size, into.headerBytes, kMaxHeaderBytes)) {
        into.overBounds = true;
        return 0;
    }
    return size;
}

// Keeps `easy` in `multi` for as long as it lives.
class Attachment {
public:
    Attachment(CURLM* multi, CURL* easy)
        : multi_(multi), easy_(easy), attached_(curl_multi_add_handle(multi, easy) == CURLM_OK) {}
    ~Attachment() {
        if (attached_) curl_multi_remove_handle(multi_, easy_);
    }
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;
    [[nodiscard]] bool attached() const { return attached_; }

private:
    CURLM* multi_;
    CURL* easy_;
    bool attached_;
};

CURLcode resultOf(CURLM* multi) {
    int left = 0;
    while (const CURLMsg* message = curl_multi_info_read(multi, &left)) {
        if (message->msg == CURLMSG_DONE) return message->data.result;
    }
    return CURLE_FAILED_INIT;
}

// Runs the transfers of `multi` until they end or `stop` is requested; the
// stop wakes a waiting poll at once.
TransferEnd runUntilDone(CURLM* multi, const std::stop_token& stop) {
    const std::stop_callback wake(stop, [multi] { curl_multi_wakeup(multi); });
    for (int running = 1;;) {
        if (stop.stop_requested()) return TransferEnd::Stopped;
        if (curl_multi_perform(multi, &running) != CURLM_OK) return TransferEnd::Failed;
        if (running == 0) return TransferEnd::Completed;
        if (curl_multi_poll(multi, nullptr, 0, 1000, nullptr) != CURLM_OK)
            return TransferEnd::Failed;
    }
}

}  // namespace

TransferResult runTransfer(CURL* easy, std::stop_token stop) {
    Collector collector;
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &collectBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &collector);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &collectHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &collector);
    // An announced body past the bound ends the transfer before it begins.
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxBodyBytes));

    const CurlMulti multi(curl_multi_init());
    if (!multi) return collector.result;
    const Attachment attachment(multi.get(), easy);
    if (!attachment.attached()) return collector.result;

    TransferEnd end = runUntilDone(multi.get(), stop);
    if (end == TransferEnd::Completed) {
        const CURLcode code = resultOf(multi.get());
        if (collector.overBounds || code == CURLE_FILESIZE_EXCEEDED) {
            end = TransferEnd::OverBounds;
        } else if (code != CURLE_OK) {
            end = TransferEnd::Failed;
        }
    }
    // Headers cut off before their empty line (a connection broken off, or
    // past libcurl's own bound) are no answer.
    std::string& headerText = collector.result.headerText;
    if (end == TransferEnd::Failed && !headerText.ends_with("\n\r\n") &&
        !headerText.ends_with("\n\n")) {
        headerText.clear();
    }
    collector.result.end = end;
    return std::move(collector.result);
}

}  // namespace quintara
