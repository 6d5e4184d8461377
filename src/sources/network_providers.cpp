#include "sources/network_providers.h"

#include <chrono>

#include "draws/history_feed.h"
#include "draws/latest_draw_answers.h"
#include "draws/next_issue.h"
#include "net/background_request.h"
#include "net/http_get.h"

namespace quintara {
namespace {

constexpr int kSourceTimeoutSeconds = 5;
constexpr TimeBounds kLotteryApiBounds{std::chrono::seconds(kSourceTimeoutSeconds),
                                       std::chrono::seconds(kSourceTimeoutSeconds)};

std::string addressOf(const std::string& host, std::string_view path) {
    return "http://" + host + std::string(path);
}

}  // namespace

bool NetworkProviders::fetchHistoryFeed(std::vector<std::string>& entries) {
    const std::string body = httpGet(platform_, addressOf(hosts_.history, kHistoryFeedPath));
    if (body.empty()) return false;
    std::vector<std::string> feed = parseHistoryFeed(body);
    if (feed.empty()) return false;
    entries = std::move(feed);
    return true;
}

std::string NetworkProviders::fetchInBackground(const std::string& host, std::string_view path) {
    BackgroundRequest request;
    request.address = addressOf(host, path);
    request.timeoutSeconds = kSourceTimeoutSeconds;
    BackgroundAnswer answer = backgroundRequest(platform_, request);
    return answer.timedOut ? std::string() : std::move(answer.body);
}

NewerDraw NetworkProviders::findNewerDraw(std::string_view newestIssue) {
    const NextIssue next = nextIssueAfter(newestIssue, platform_.localTime());
    const std::string apiAnswer =
        httpGet(platform_, addressOf(hosts_.api, kLotteryApiPath) + next.issue + "&t=",
                kLotteryApiBounds);
    if (std::string entry = entryFromLotteryApi(apiAnswer, next.issue); !entry.empty()) {
        return {std::move(entry), LatestDrawSource::LotteryApi};
    }
    const std::string list = fetchInBackground(hosts_.list, kNewlyOpenListPath);
    if (std::string entry = entryFromNewlyOpenList(list, next.newestKey); !entry.empty()) {
        return {std::move(entry), LatestDrawSource::NewlyOpenList};
    }
    return {entryFromFlashData(fetchInBackground(hosts_.flash, kFlashDataPath), next.newestKey),
            LatestDrawSource::FlashData};
}

}  // namespace quintara
