// The provider's misbehaviour (--chaos SEED): which request to which draw
// source misbehaves, and how, on a schedule that the seed fixes.
//
// Each request to the lottery API, the newly-open list or the flash data is,
// one time in 25 each, silent, slow, malformed, wrong or closed (a fifth of
// them misbehave); each request to the history feed one time in 100 each. A
// request's fate follows from the seed, its source and how many requests that
// source had before it, so that the same requests meet the same fates. Apart
// from that, the lottery API is down (503) for one stretch of 20 to 40 draws
// in every 100 the book makes, placed by the seed.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "source_names.h"

namespace quintara::provider {

enum class Misdeed {
    Silent,     // accepts the request and answers nothing for longer than the program waits
    Slow,       // the answer trickles out in small pieces
    Malformed,  // broken JSON or XML, or binary bytes
    Wrong,      // an answer as it stood some draws before; the lottery API's for another issue
    Closed,     // part of the answer, then the connection closes
    Down,       // 503, in a down stretch of the lottery API
};

// "silent", "slow", "malformed", "wrong", "closed" or "down".
[[nodiscard]] std::string_view misdeedName(Misdeed misdeed);

// How one request misbehaves; `detail` picks its particulars (where an
// answer is cut, how stale it is, ...).
struct Fate {
    Misdeed misdeed;
    std::uint64_t detail;

    friend bool operator==(const Fate&, const Fate&) = default;
};

// Thread-safe: the server's handlers ask it from many threads at once.
class ChaosSchedule {
public:
    explicit ChaosSchedule(std::uint32_t seed) : seed_(seed) {}

    // The fate of the next request to `source`, the book having made `drawn`
    // draws; none when it is answered as it should be.
    [[nodiscard]] std::optional<Fate> next(Source source, std::size_t drawn);

    // True when the lottery API is down with `drawn` draws made.
    [[nodiscard]] bool apiDownAt(std::size_t drawn) const;

private:
    const std::uint64_t seed_;
    std::array<std::atomic<std::uint64_t>, kSourceCount> requests_{};
};

}  // namespace quintara::provider
