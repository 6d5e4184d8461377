// Work done on a worker thread while the calling (GUI) thread waits for it
// with window messages still dispatched: the one way the program waits for
// the network without stopping its window.
#pragma once

#include <algorithm>
#include <chrono>
#include <exception>
#include <future>
#include <limits>
#include <optional>
#include <stop_token>
#include <thread>
#include <type_traits>
#include <utility>

#include "platform/platform.h"

namespace quintara {

// Runs `work(stop)` on a thread of its own and waits for it through
// `platform.waitDispatching` for up to `limit` (at most some 24 days). Its result, or nothing when
// the wait ended first (the limit passed, or the program is ending): then
// the stop is requested and the thread joined before this returns, so the
// work never outlives the call and must end promptly on its stop. The work
// owns what it uses (capture by value): only its result comes back. An
// exception of the work comes back out of this call; std::system_error when
// no thread can be had.
template <typename Work>
[[nodiscard]] std::optional<std::invoke_result_t<Work&, std::stop_token>> runWhileDispatching(
    Platform& platform, std::chrono::milliseconds limit, Work work) {
    using Result = std::invoke_result_t<Work&, std::stop_token>;
    constexpr std::chrono::milliseconds::rep kLongest = std::numeric_limits<int>::max();
    const auto limitMs = static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(
        limit.count(), 0, kLongest));
    std::promise<Result> promise;
    std::future<Result> result = promise.get_future();
    std::jthread worker(
        [&platform, work = std::move(work)](std::stop_token stop,
                                            std::promise<Result> back) mutable {
            try {
                back.set_value(work(std::move(stop)));
            } catch (...) {
                back.set_exception(std::current_exception());
            }
            platform.wakeWait();
        },
        std::move(promise));

    const bool finished = platform.waitDispatching(
        [&result] {
            return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        },
        limitMs);
    if (!finished) {
        worker.request_stop();
        worker.join();
        return std::nullopt;
    }
    worker.join();
    return result.get();
}

}  // namespace quintara
