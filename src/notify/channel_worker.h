// One push channel on a thread of its own, so that a slow or dead channel
// holds up neither a poll nor another channel: each alert is queued once and
// delivered by the schedule's retries; in the quiet hours alerts are held,
// and when they end one summary of them goes out. A delivery given up is
// reported once, without the channel's secrets.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "alerts/alert_record.h"
#include "notify/push_channel.h"
#include "notify/push_clock.h"
#include "notify/push_schedule.h"
#include "notify/quiet_hours.h"

namespace quintara {

// A delivery given up after its last attempt.
struct PushFailure {
    std::string channel;  // as shown
    std::string issue;
    int attempts = 0;
    std::string reason;
};
using PushFailureReport = std::function<void(const PushFailure&)>;

struct ChannelState {
    enum class Kind {
        Idle,      // nothing tried yet
        Ok,        // the latest delivery went through
        Retrying,  // the latest attempt failed; it will be tried again
        Failing,   // a delivery was given up, and none went through since
    };
    std::string channel;  // as shown
    Kind kind = Kind::Idle;
    int attempts = 0;  // made and answered, or failed
    int delivered = 0;
    int givenUp = 0;
    std::size_t pending = 0;  // waiting for their first or next attempt
    std::size_t held = 0;     // held through the quiet hours
    std::string lastError;    // while not Ok
};

class ChannelWorker {
public:
    ChannelWorker(PushChannel channel, const PushClock& clock, std::optional<QuietHours> quiet,
                  PushFailureReport report);
    // Ends the thread; an attempt under way is stopped, deliveries waiting are dropped.
    ~ChannelWorker();
    ChannelWorker(const ChannelWorker&) = delete;
    ChannelWorker& operator=(const ChannelWorker&) = delete;

    // Queues the alerts, or holds them in the quiet hours; never waits on the network.
    void alertsFired(std::span<const AlertRecord> alerts);
    [[nodiscard]] ChannelState state() const;
    // Looks at the clock again: a test's clock has moved.
    void wake();
    // Waits until no delivery waits (held alerts wait for their hours), or
    // `ending` is set.
    void drain(const std::atomic<bool>& ending);

private:
    void work(const std::stop_token& stop);
    // The quiet hours' summary once they are over; with the lock held.
    void releaseHeld(PushClock::Clock::time_point now);
    [[nodiscard]] bool quietAt(PushClock::Clock::time_point now) const;
    [[nodiscard]] std::chrono::milliseconds idleFor(PushClock::Clock::time_point now) const;
    // With the lock held: an attempt's outcome in the state and the schedule;
    // the failure to report when it was the delivery's last attempt.
    std::optional<PushFailure> recordAttempt(PushSchedule::Delivery delivery, const std::optional<std::string>& refused);

    const PushChannel channel_;
    const PushClock& clock_;
    const std::optional<QuietHours> quiet_;
    const PushFailureReport report_;
    mutable std::mutex mutex_;
    std::condition_variable_any changed_;
    PushSchedule schedule_;
    std::vector<AlertRecord> held_;
    bool attempting_ = false;
    bool poked_ = false;  // alerts came, or the clock moved, since the thread last looked
    ChannelState state_;
    std::jthread worker_;  // last: it starts once the rest is made
};

}  // namespace quintara
