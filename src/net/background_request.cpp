#include "net/background_request.h"

#include <chrono>
#include <exception>
#include <optional>
#include <system_error>

#include "platform/dispatching_work.h"
#include "net/request_block.h"
#include "net/web_access.h"
#include "text/ascii_text.h"
#include "text/charset.h"

namespace quintara {
namespace {

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
    // The block moves to the worker and comes back with its answer: the two
    // threads never hold it at the same time.
    std::optional<Answered> answered;
    try {
        answered = runWhileDispatching(
            platform, std::chrono::seconds(request.timeoutSeconds),
            [handed = std::move(block)](std::stop_token stop) mutable {
                FetchOutcome outcome;
                try {
                    outcome = webAccess(handed, stop);
                } catch (const std::exception& error) {
                    handed.address.clear();  // out of memory: as a failed request
                    outcome = {.error = error.what()};
                }
                return Answered{std::move(handed), std::move(outcome)};
            });
    } catch (const std::system_error& error) {
        // No thread to be had: as a failed request.
        return {.outcome = {.error = error.what()}};
    }
    if (!answered) return timeoutAnswer(request.timeoutSeconds);
    Answered& result = *answered;
    return {.body = converted(std::move(result.block.address), request.conversion),
            .responseHeaders = std::move(result.block.cookies),
            .outcome = std::move(result.outcome)};
}

}  // namespace quintara
