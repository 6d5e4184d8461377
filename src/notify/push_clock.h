// The clock the pushes keep their retries and quiet hours by: the system's
// in the program, a fixed one that a test moves by hand.
#pragma once

#include <chrono>

namespace quintara {

class PushClock {
public:
    using Clock = std::chrono::system_clock;

    virtual ~PushClock() = default;
    [[nodiscard]] virtual Clock::time_point now() const = 0;
    // The time of day of `moment`, since midnight, in the zone the quiet
    // hours are read in.
    [[nodiscard]] virtual std::chrono::seconds timeOfDay(Clock::time_point moment) const = 0;
};

// The system's clock and the machine's time zone.
class SystemPushClock final : public PushClock {
public:
    [[nodiscard]] Clock::time_point now() const override { return Clock::now(); }
    [[nodiscard]] std::chrono::seconds timeOfDay(Clock::time_point moment) const override;
};

}  // namespace quintara
