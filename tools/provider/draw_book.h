// The provider's game: a history of whole days of draws ending now, then a
// new draw every interval, all under the provider's own issue numbers.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace quintara::provider {

// Draws in one day of the game; after the last one the date moves on a day.
inline constexpr int kDrawsPerDay = 120;

struct Draw {
    std::chrono::sys_days date;  // the local calendar date of the issue
    int sequence = 0;            // 1 to kDrawsPerDay within its date
    std::string digits;          // five characters '0' to '9', positions 万 千 百 十 个
};

// Where the time comes from: the system clock, or a test's own.
using Clock = std::function<std::chrono::system_clock::time_point()>;

// Hands out the five digits of one draw after another.
using DigitSource = std::function<std::string()>;

// What the book shows at one moment.
struct BookView {
    std::vector<Draw> latest;              // the newest draws asked for, oldest first
    std::chrono::seconds untilNextDraw{};  // 1 to the interval
    std::size_t drawn = 0;                 // draws made so far, the history's included
};

// The local calendar date of a moment.
[[nodiscard]] std::chrono::sys_days localDate(std::chrono::system_clock::time_point moment);

// Thread-safe: the server's handlers look at it from many threads at once.
class DrawBook {
public:
    // Draws historyDays (at least 1) days of kDrawsPerDay draws, the last day
    // being the one before today, so that the first new draw is sequence 1 of
    // today's date: the issue the program asks for after the history.
    DrawBook(int historyDays, std::chrono::seconds interval, DigitSource digits, Clock clock);

    // Makes the draws that are due by now, then shows the newest `count`, or
    // the `count` that were the newest `back` draws ago (a stale answer).
    [[nodiscard]] BookView look(std::size_t count, std::size_t back = 0);

private:
    [[nodiscard]] Draw drawAt(std::size_t index) const;

    const std::chrono::seconds interval_;
    DigitSource digits_;
    const Clock clock_;
    const std::chrono::system_clock::time_point start_;
    const std::chrono::sys_days firstDate_;
    const std::size_t historyCount_;
    std::mutex mutex_;
    std::vector<std::string> codes_;  // the digits of every draw so far, oldest first
};

}  // namespace quintara::provider
