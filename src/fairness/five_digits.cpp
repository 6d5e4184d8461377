#include "fairness/five_digits.h"

#include <array>

#include "text/numbers.h"

namespace quintara {
namespace {

constexpr std::array<std::string_view, kPositions> kPositionNames{"万位", "千位", "百位", "十位", "个位"};

// The first character of a position's name (three bytes of UTF-8).
std::string_view firstCharacter(int position) { return positionName(position).substr(0, 3); }

}  // namespace

std::optional<FiveDigits> fiveDigits(std::string_view text) {
    if (text.size() != kPositions || !allDigits(text)) return std::nullopt;
    FiveDigits digits{};
    for (std::size_t at = 0; at < digits.size(); ++at) digits[at] = static_cast<std::uint8_t>(digitValue(text[at]));
    return digits;
}

std::vector<FiveDigits> digitsOldestFirst(std::span<const DrawView> newestFirst) {
    std::vector<FiveDigits> oldestFirst;
    oldestFirst.reserve(newestFirst.size());
    for (auto draw = newestFirst.rbegin(); draw != newestFirst.rend(); ++draw) {
        if (const auto digits = fiveDigits(draw->text)) oldestFirst.push_back(*digits);
    }
    return oldestFirst;
}

std::string_view positionName(int position) { return kPositionNames[static_cast<std::size_t>(position)]; }

std::string pairName(int first, int second) {
    return std::string(firstCharacter(first)).append(firstCharacter(second));
}

}  // namespace quintara
