#include "notify/channel_worker.h"

#include <algorithm>

#include "net/own_request.h"
#include "notify/push_request.h"

namespace quintara {
namespace {

// A web hook answers at once or not at all: a push never waits long, and
// goes where it was sent.
constexpr RequestPolicy kPushPolicy{.time = {.connect = std::chrono::milliseconds(5000),
                                             .whole = std::chrono::milliseconds(10000)},
                                    .redirectLimit = 0,
                                    .followRedirects = false,
                                    .bodyLimit = std::size_t{1} << 20};
// The longest the thread waits before it looks at the clock again.
constexpr std::chrono::milliseconds kLookAgain{60000};

// Why the push was not taken; none when it was.
std::optional<std::string> attempt(const PushChannel& channel, const PushRequest& request, std::stop_token stop) {
    const TransferResult result =
        runOwnRequest({.address = request.address, .headerLines = request.headerLines, .body = request.body},
                      kPushPolicy, std::move(stop));
    switch (result.outcome.end) {
        case TransferEnd::Completed: return pushRefusal(channel.format, result.outcome.httpStatus, result.body);
        case TransferEnd::TimedOut: return std::string("超时");
        case TransferEnd::OverBounds: return std::string("回答过大");
        case TransferEnd::Stopped: return std::string("已停止");
        case TransferEnd::Failed: break;
    }
    // libcurl's own words may name the address: they stay out of sight.
    return std::string("无法连接");
}

}  // namespace

ChannelWorker::ChannelWorker(PushChannel channel, const PushClock& clock, std::optional<QuietHours> quiet,
                             PushFailureReport report)
    : channel_(std::move(channel)),
      clock_(clock),
      quiet_(std::move(quiet)),
      report_(std::move(report)),
      state_{.channel = channel_.shown},
      worker_([this](std::stop_token stop) { work(stop); }) {}

ChannelWorker::~ChannelWorker() {
    worker_.request_stop();
    changed_.notify_all();
}

bool ChannelWorker::quietAt(PushClock::Clock::time_point now) const {
    return quiet_ && quiet_->hold(clock_.timeOfDay(now));
}

void ChannelWorker::alertsFired(std::span<const AlertRecord> alerts) {
    if (alerts.empty()) return;
    {
        const std::lock_guard lock(mutex_);
        const auto now = clock_.now();
        const bool quiet = quietAt(now);
        for (const AlertRecord& alert : alerts) {
            if (quiet) {
                held_.push_back(alert);
            } else {
                schedule_.add(alertMessage(alert), now);
            }
        }
        poked_ = true;
    }
    changed_.notify_all();
}

ChannelState ChannelWorker::state() const {
    const std::lock_guard lock(mutex_);
    ChannelState state = state_;
    state.pending = schedule_.pending() + (attempting_ ? 1 : 0);
    state.held = held_.size();
    return state;
}

void ChannelWorker::wake() {
    {
        const std::lock_guard lock(mutex_);
        poked_ = true;
    }
    changed_.notify_all();
}

void ChannelWorker::drain(const std::atomic<bool>& ending) {
    std::unique_lock lock(mutex_);
    while (!ending.load() && (attempting_ || schedule_.pending() > 0)) {
        changed_.wait_for(lock, std::chrono::milliseconds(50));
    }
}

void ChannelWorker::releaseHeld(PushClock::Clock::time_point now) {
    if (held_.empty() || quietAt(now)) return;
    schedule_.add(summaryMessage(held_, *quiet_), now);
    held_.clear();
}

std::chrono::milliseconds ChannelWorker::idleFor(PushClock::Clock::time_point now) const {
    auto wait = kLookAgain;
    if (const auto due = schedule_.nextDue()) {
        wait = std::min(wait, std::chrono::ceil<std::chrono::milliseconds>(*due - now));
    }
    if (!held_.empty()) {
        wait = std::min<std::chrono::milliseconds>(wait, quiet_->untilEnd(clock_.timeOfDay(now)));
    }
    return std::max(wait, std::chrono::milliseconds(0));
}

void ChannelWorker::work(const std::stop_token& stop) {
    std::unique_lock lock(mutex_);
    while (!stop.stop_requested()) {
        const auto now = clock_.now();
        releaseHeld(now);
        std::optional<PushSchedule::Delivery> delivery = schedule_.takeDue(now);
        if (!delivery) {
            changed_.wait_for(lock, stop, idleFor(now), [this] { return poked_; });
            poked_ = false;
            continue;
        }
        attempting_ = true;
        lock.unlock();
        const std::optional<std::string> refused = attempt(channel_, pushRequest(channel_, delivery->message, now), stop);
        lock.lock();
        attempting_ = false;
        if (stop.stop_requested()) break;
        const std::optional<PushFailure> givenUp = recordAttempt(std::move(*delivery), refused);
        changed_.notify_all();
        if (givenUp) {
            lock.unlock();
            report_(*givenUp);
            lock.lock();
        }
    }
}

std::optional<PushFailure> ChannelWorker::recordAttempt(PushSchedule::Delivery delivery,
                                                        const std::optional<std::string>& refused) {
    ++state_.attempts;
    if (!refused) {
        ++state_.delivered;
        state_.kind = ChannelState::Kind::Ok;
        state_.lastError.clear();
        return std::nullopt;
    }
    state_.lastError = *refused;
    PushFailure failure{channel_.shown, delivery.message.issue, PushSchedule::kMostAttempts, *refused};
    if (schedule_.failed(std::move(delivery), clock_.now())) {
        if (state_.kind != ChannelState::Kind::Failing) state_.kind = ChannelState::Kind::Retrying;
        return std::nullopt;
    }
    ++state_.givenUp;
    state_.kind = ChannelState::Kind::Failing;
    return failure;
}

}  // namespace quintara
