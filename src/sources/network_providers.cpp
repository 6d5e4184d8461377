#include "sources/network_providers.h"

#include <chrono>

#include "draws/history_feed.h"
#include "draws/latest_draw_answers.h"
#include "draws/next_issue.h"
#include "net/background_request.h"
#include "net/http_get.h"
#include "sources/source_reply.h"

namespace quintara {
namespace {

constexpr int kSourceTimeoutSeconds = 5;
constexpr RequestPolicy kLotteryApiPolicy{.time = {std::chrono::seconds(kSourceTimeoutSeconds),
                                                   std::chrono::seconds(kSourceTimeoutSeconds)}};

std::string addressOf(const std::string& host, std::string_view path) {
    return "http://" + host + std::string(path);
}

// The body (none on time-out) and how the request ended; the window's
// messages go on meanwhile.
HttpGetResult fetchInBackground(Platform& platform, const std::string& host, std::string_view path) {
    BackgroundRequest request;
    request.address = addressOf(host, path);
    request.timeoutSeconds = kSourceTimeoutSeconds;
    BackgroundAnswer answer = backgroundRequest(platform, request);
    if (answer.timedOut) answer.body.clear();
    return {std::move(answer.body), std::move(answer.outcome)};
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

NewerDraw NetworkProviders::findNewerDraw(std::string_view newestIssue) {
    const std::string nextIssue = nextIssueAsked(newestIssue, platform_.localTime());
    const std::optional<Issue> newestHeld = Issue::parse(newestIssue);
    NewerDraw poll;
    // Notes how the source answered; true when it gave the newer draw.
    const auto heard = [&poll](LatestDrawSource source, const HttpGetResult& answer,
                               std::string entry, bool sourcesForm) {
        poll.replies.push_back(replyOf(source, answer.outcome, {!entry.empty(), sourcesForm}));
        if (entry.empty()) return false;
        poll.entry = std::move(entry);
        poll.source = source;
        return true;
    };
    const HttpGetResult api = fetchWhileDispatching(
        platform_, addressOf(hosts_.api, kLotteryApiPath) + nextIssue + "&t=", kLotteryApiPolicy);
    if (heard(LatestDrawSource::LotteryApi, api, entryFromLotteryApi(api.body, nextIssue, newestHeld),
              isLotteryApiAnswer(api.body))) {
        return poll;
    }
    const HttpGetResult list = fetchInBackground(platform_, hosts_.list, kNewlyOpenListPath);
    if (heard(LatestDrawSource::NewlyOpenList, list, entryFromNewlyOpenList(list.body, newestHeld),
              isNewlyOpenListAnswer(list.body))) {
        return poll;
    }
    const HttpGetResult flash = fetchInBackground(platform_, hosts_.flash, kFlashDataPath);
    heard(LatestDrawSource::FlashData, flash, entryFromFlashData(flash.body, newestHeld),
          isFlashDataAnswer(flash.body));
    return poll;
}

}  // namespace quintara
