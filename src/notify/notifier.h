// The pushes of --notify: every alert goes once to each channel, each
// channel on a thread of its own (channel_worker.h), so that the watcher's
// polling never waits for one.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "notify/channel_worker.h"

namespace quintara {

class Notifier {
public:
    Notifier(std::vector<PushChannel> channels, const PushClock& clock, std::optional<QuietHours> quiet,
             PushFailureReport report);

    void alertsFired(std::span<const AlertRecord> alerts);
    [[nodiscard]] std::vector<ChannelState> states() const;
    // The channels' states as a JSON array:
    // [{"channel":"ntfy+https://host/…","state":"ok","delivered":3,"given_up":0,"pending":0,"held":0,
    //   "last_error":null,"summary":"正常，已送达 3 条"},…]
    [[nodiscard]] std::string statesJson() const;
    // Every channel looks at the clock again.
    void wake();
    // Waits until no channel has a delivery waiting, or `ending` is set.
    void drain(const std::atomic<bool>& ending);

private:
    std::vector<std::unique_ptr<ChannelWorker>> workers_;
};

// The JSON line printed for a delivery given up:
// {"time":…,"event":"push_failed","channel":"ntfy+https://host/…","issue":…,"attempts":4,"reason":"HTTP 503"}
[[nodiscard]] std::string pushFailureJson(const PushFailure& failure, PushClock::Clock::time_point at);

}  // namespace quintara
