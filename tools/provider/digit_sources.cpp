#include "digit_sources.h"

#include <random>

namespace quintara::provider {

DigitSource randomDigits(std::uint32_t seed) {
    return [generator = std::mt19937(seed),
            digit = std::uniform_int_distribution<int>(0, 9)]() mutable {
        std::string digits;
        for (int position = 0; position < 5; ++position)
            digits += static_cast<char>('0' + digit(generator));
        return digits;
    };
}

DigitSource replayDigits(std::vector<std::string> draws) {
    return [draws = std::move(draws), next = std::size_t{0}]() mutable {
        const std::string& digits = draws[next];
        next = (next + 1) % draws.size();
        return digits;
    };
}

}  // namespace quintara::provider
