#include "net/curl_transfer.h"

#include <exception>

#include "net/curl_support.h"

namespace quintara {
namespace {

struct Collector {
    const RequestPolicy& policy;
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
    if (!appendWithin(body, data, size, body.size() + size, into.policy.bodyLimit)) {
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
    if (!appendWithin(text, data, size, into.headerBytes, into.policy.headerLimit)) {
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

// The policy's bounds on the handle, and the collector behind its callbacks.
void setPolicy(CURL* easy, const RequestPolicy& policy, Collector& collector) {
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &collectBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &collector);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &collectHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &collector);
    // An announced body past the bound ends the transfer before it begins.
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(policy.bodyLimit));
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(policy.time.connect.count()));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(policy.time.whole.count()));
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, policy.followRedirects ? 1L : 0L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, policy.redirectLimit);
    // Worker threads: no signals for time-outs.
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
}

TransferEnd endOf(CURLcode code, const Collector& collector) {
    if (collector.overBounds || code == CURLE_FILESIZE_EXCEEDED) return TransferEnd::OverBounds;
    if (code == CURLE_OPERATION_TIMEDOUT) return TransferEnd::TimedOut;
    return code == CURLE_OK ? TransferEnd::Completed : TransferEnd::Failed;
}

}  // namespace

TransferResult runTransfer(CURL* easy, const RequestPolicy& policy, std::stop_token stop) {
    Collector collector{.policy = policy};
    setPolicy(easy, policy, collector);
    FetchOutcome& outcome = collector.result.outcome;

    const CurlMulti multi(curl_multi_init());
    if (!multi) return collector.result;
    const Attachment attachment(multi.get(), easy);
    if (!attachment.attached()) return collector.result;

    outcome.end = runUntilDone(multi.get(), stop);
    if (outcome.end == TransferEnd::Completed) {
        const CURLcode code = resultOf(multi.get());
        outcome.end = endOf(code, collector);
        if (code != CURLE_OK) outcome.error = curl_easy_strerror(code);
    }
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &outcome.httpStatus);
    // Headers cut off before their empty line (a connection broken off, or
    // past libcurl's own bound) are no answer.
    std::string& headerText = collector.result.headerText;
    if (outcome.end != TransferEnd::Completed && !headerText.ends_with("\n\r\n") &&
        !headerText.ends_with("\n\n")) {
        headerText.clear();
    }
    if (policy.errorStatusFails && outcome.httpStatus >= 400) collector.result.body.clear();
    return std::move(collector.result);
}

}  // namespace quintara
