// The quiet hours of --quiet 23:00-07:00: a time of the day, in the
// machine's time zone, during which alerts are held and after which one
// summary of them goes out. The hours may run past midnight.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quintara {

class QuietHours {
public:
    // "HH:MM-HH:MM", the two times different; none for any other text.
    [[nodiscard]] static std::optional<QuietHours> named(std::string_view text);

    // Whether `timeOfDay` (since midnight) falls in the hours: from their
    // start, included, to their end, not.
    [[nodiscard]] bool hold(std::chrono::seconds timeOfDay) const;
    // How long from `timeOfDay` until the hours end next.
    [[nodiscard]] std::chrono::seconds untilEnd(std::chrono::seconds timeOfDay) const;
    // "23:00-07:00"
    [[nodiscard]] std::string text() const;

private:
    QuietHours(std::chrono::minutes start, std::chrono::minutes end) : start_(start), end_(end) {}

    std::chrono::minutes start_;
    std::chrono::minutes end_;
};

}  // namespace quintara
