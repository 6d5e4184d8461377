#include "net/background_request.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <future>
#include <limits>
#include <system_error>
#include <thread>

#include "net/request_block.h"
#include "net/web_access.h"
#include "text/ascii_text.h"
#include "text/charset.h"

namespace quintara {
namespace {

int waitLimitMs(int timeoutSeconds) {
    const long long limit = static_cast<long long>(timeoutSeconds) * 1000;
    return static_cast<int>(std::clamp<long long>(limit, 0, std::numeric_limits<int>::max()));
}

std::string converted(std::string body, BodyConversion conversion) {
    switch (conversion) {
        case BodyConversion::Utf8ToGbk:
            return utf8ToGbk(body);
        case BodyConversion::Big5ToSimplifiedGbk:
            return big5ToSimplifiedGbk(body);
        case BodyConversion::None:
            break;
    }
    return body;
}

BackgroundAnswer timeoutAnswer(int timeoutSeconds) {
    return {.body = std::string(kTimeoutText),
            .timedOut = true,
            .outcome = {.end = TransferEnd::TimedOut,
                        .error = "no answer within " + std::to_string(timeoutSeconds) + " s"}};
}

// What the worker hands back: the block with the answer in it, and how the
// request ended.
struct Answered {
    RequestBlock block;
    FetchOutcome outcome;
};

}  // namespace

BackgroundAnswer backgroundRequest(Platform& platform, const BackgroundRequest& request) {
    if (trimSpaces(request.address).empty()) return {.outcome = {.error = "no address"}};

    RequestBlock block{.address = request.address,
                       .method = request.post ? "POST" : "GET",
                       .proxy = request.proxy,
                       .extraHeaders = request.extraHeaders,
                       .body = request.body,
                       .cookies = request.cookies,
                       .redirectSwitch = kFollowRedirects};
    // The block moves to the worker and comes back through the future: the
    // two threads never hold it at the same time.
    std::promise<Answered> answer;
    std::future<Answered> answered = answer.get_future();
    std::jthread worker;
    try {
        worker = std::jthread(
            [&platform](std::stop_token stop, RequestBlock handed, std::promise<Answered> back) {
                FetchOutcome outcome;
                try {
                    outcome = webAccess(handed, stop);
                } catch (const std::exception& error) {
                    handed.address.clear();  // out of memory: as a failed request
                    outcome = {.error = error.what()};
                }
                back.set_value({std::move(handed), std::move(outcome)});
                platform.wakeWait();
            },
            std::move(block), std::move(answer));
    } catch (const std::system_error& error) {
        // No thread to be had: as a failed request.
        return {.outcome = {.error = error.what()}};
    }

    const bool finished = platform.waitDispatching(
        [&answered] {
            return answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        },
        waitLimitMs(request.timeoutSeconds));
    if (!finished) {
        worker.request_stop();
        worker.join();
        return timeoutAnswer(request.timeoutSeconds);
    }
    worker.join();
    Answered result = answered.get();
    return {.body = converted(std::move(result.block.address), request.conversion),
            .responseHeaders = std::move(result.block.cookies),
            .outcome = std::move(result.outcome)};
}

}  // namespace quintara
