// One channel's deliveries: each message is tried once it is due (at once
// when it comes), and while it fails again 1, 5 and 25 s after each failure;
// the fourth failure gives it up. Plain data over the times given, so that
// the retries are held to a fixed clock.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <list>
#include <optional>

#include "notify/push_message.h"

namespace quintara {

class PushSchedule {
public:
    using Clock = std::chrono::system_clock;

    static constexpr std::array<std::chrono::seconds, 3> kRetryDelays{
        std::chrono::seconds(1), std::chrono::seconds(5), std::chrono::seconds(25)};

    struct Delivery {
        PushMessage message;
        int attempts = 0;  // failed so far
        Clock::time_point due;
    };

    void add(PushMessage message, Clock::time_point now);
    // The delivery due first at `now`, taken out of the schedule; none when
    // none is due yet.
    [[nodiscard]] std::optional<Delivery> takeDue(Clock::time_point now);
    // After an attempt at `delivery` failed at `now`: back in for its next
    // try; false when that was its last, and it is given up.
    static constexpr int kMostAttempts = static_cast<int>(kRetryDelays.size()) + 1;
    bool failed(Delivery delivery, Clock::time_point now);

    // When the next delivery is due; none when none waits.
    [[nodiscard]] std::optional<Clock::time_point> nextDue() const;
    [[nodiscard]] std::size_t pending() const { return waiting_.size(); }

private:
    std::list<Delivery> waiting_;  // in the order they came
};

}  // namespace quintara
