#include "chaos_schedule.h"

namespace quintara::provider {
namespace {

// Out of 100 requests, how many meet each of the five misdeeds.
constexpr std::uint64_t kLatestDrawShare = 4;
constexpr std::uint64_t kFeedShare = 1;
constexpr std::array kRequestMisdeeds{Misdeed::Silent, Misdeed::Slow, Misdeed::Malformed,
                                      Misdeed::Wrong, Misdeed::Closed};

// The lottery API's down stretches: one in every block of this many draws.
constexpr std::uint64_t kDownBlock = 100;
constexpr std::uint64_t kShortestDown = 20;
constexpr std::uint64_t kLongestDown = 40;

// SplitMix64's finaliser: every bit of the value stirs every bit of the
// result, so that neighbouring request numbers meet unrelated fates.
std::uint64_t stirred(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15U;
    value = (value ^ (value >> 30U)) * 0xBF58476D1CE4E5B9U;
    value = (value ^ (value >> 27U)) * 0x94D049BB133111EBU;
    return value ^ (value >> 31U);
}

std::uint64_t stirred(std::uint64_t first, std::uint64_t second, std::uint64_t third) {
    return stirred(stirred(stirred(first) ^ second) ^ third);
}

// What the salt of a stirred value says it is for, apart from the sources.
constexpr std::uint64_t kDownStretchSalt = kSourceCount;

}  // namespace

std::string_view misdeedName(Misdeed misdeed) {
    switch (misdeed) {
        case Misdeed::Silent: return "silent";
        case Misdeed::Slow: return "slow";
        case Misdeed::Malformed: return "malformed";
        case Misdeed::Wrong: return "wrong";
        case Misdeed::Closed: return "closed";
        case Misdeed::Down: return "down";
    }
    return "";
}

std::optional<Fate> ChaosSchedule::next(Source source, std::size_t drawn) {
    if (source == Source::Version) return std::nullopt;
    const auto index = static_cast<std::size_t>(source);
    const std::uint64_t request = requests_[index]++;
    const std::uint64_t roll = stirred(seed_, index, request);
    const std::uint64_t detail = stirred(roll);
    if (source == Source::Api && apiDownAt(drawn)) return Fate{Misdeed::Down, detail};

    const std::uint64_t share = source == Source::Feed ? kFeedShare : kLatestDrawShare;
    const std::uint64_t slot = roll % 100 / share;
    if (slot >= kRequestMisdeeds.size()) return std::nullopt;
    return Fate{kRequestMisdeeds[slot], detail};
}

bool ChaosSchedule::apiDownAt(std::size_t drawn) const {
    const std::uint64_t stretch = stirred(seed_, kDownStretchSalt, drawn / kDownBlock);
    const std::uint64_t length = kShortestDown + stretch % (kLongestDown - kShortestDown + 1);
    const std::uint64_t start = (stretch >> 32U) % (kDownBlock - length + 1);
    const std::uint64_t place = drawn % kDownBlock;
    return place >= start && place < start + length;
}

}  // namespace quintara::provider
