#include "stats/size_parity_patterns.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace quintara {
namespace {

// A character belongs to a class when it occurs in the class's digits.
struct DigitClass {
    std::string_view digits;
    std::string_view character;
};

constexpr std::array<DigitClass, 4> kDigitClasses{{
    {"01234", "小"},
    {"56789", "大"},
    {"02468", "双"},
    {"13579", "单"},
}};

constexpr std::size_t kPositions = 5;

// The classes of a draw's characters, four bits per position: bit
// 4 × (position − 1) + c stands for class c of kDigitClasses.
using ClassSet = std::uint32_t;
constexpr std::size_t kClassBits = kDigitClasses.size();

// The tokens of a line, separated by single spaces, apply to positions 1 to 5.
constexpr std::array<std::string_view, kPatternCount> kPatternTable{
    "双 双 双 双 双", "单 单 单 单 单", "小 小 小 小 小", "大 大 大 大 大", "双 单 单 单 单",
    "双 双 单 单 单", "双 双 双 双 单", "双 大 大 大 大", "双 双 大 大 大", "双 双 双 大 大",
    "双 双 双 双 大", "双 小 小 小 小", "双 双 小 小 小", "双 双 双 小 小", "双 双 双 双 小",
    "大 小 小 小 小", "大 大 小 小 小", "大 大 大 小 小", "大 大 大 大 小", "单 大 大 大 大",
    "单 单 大 大 大", "单 单 单 大 大", "单 单 单 单 大", "单 小 小 小 小", "单 单 小 小 小",
    "单 单 单 小 小", "单 单 单 单 小",
};

struct SizeParityPattern {
    std::array<char, 16> text{};  // the line without its spaces
    std::size_t length = 0;
    ClassSet required = 0;  // the class each position must have
};

// Evaluated at compile time: a line with a token that is no class, or with
// another number of tokens than five, does not compile.
constexpr SizeParityPattern parsePattern(std::string_view line) {
    SizeParityPattern pattern;
    std::size_t position = 0;
    for (std::size_t start = 0; start <= line.size(); ++position) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        const std::string_view token = line.substr(start, end - start);
        const auto found = std::find_if(kDigitClasses.begin(), kDigitClasses.end(),
                                        [token](const DigitClass& c) { return c.character == token; });
        if (found == kDigitClasses.end() || position >= kPositions) {
            throw std::logic_error("size-parity pattern: bad line");
        }
        pattern.required |= ClassSet{1} << (position * kClassBits +
                                             static_cast<std::size_t>(found - kDigitClasses.begin()));
        std::copy(token.begin(), token.end(), pattern.text.begin() + pattern.length);
        pattern.length += token.size();
        start = end + 1;
    }
    if (position != kPositions) throw std::logic_error("size-parity pattern: bad line");
    return pattern;
}

constexpr auto kPatterns = [] {
    std::array<SizeParityPattern, kPatternCount> patterns;
    for (std::size_t row = 0; row < kPatternCount; ++row) patterns[row] = parsePattern(kPatternTable[row]);
    return patterns;
}();

// For each byte, the classes whose digits hold it.
constexpr auto kClassesOfCharacter = [] {
    std::array<std::uint8_t, 256> classes{};
    for (std::size_t c = 0; c < kDigitClasses.size(); ++c) {
        for (const char digit : kDigitClasses[c].digits) {
            classes[static_cast<unsigned char>(digit)] |= static_cast<std::uint8_t>(1U << c);
        }
    }
    return classes;
}();

// fitting[p][b]: the patterns that byte b at position p + 1 does not rule out.
constexpr auto kFitting = [] {
    std::array<std::array<PatternSet, 256>, kPositions> fitting{};
    for (std::size_t position = 0; position < kPositions; ++position) {
        for (std::size_t byte = 0; byte < 256; ++byte) {
            const ClassSet classes = ClassSet{kClassesOfCharacter[byte]} << (position * kClassBits);
            const ClassSet atPosition = ClassSet{(1U << kClassBits) - 1} << (position * kClassBits);
            for (std::size_t row = 0; row < kPatternCount; ++row) {
                const ClassSet required = kPatterns[row].required & atPosition;
                if ((classes & required) == required) fitting[position][byte] |= PatternSet{1} << row;
            }
        }
    }
    return fitting;
}();

}  // namespace

std::string_view patternText(std::size_t row) {
    const SizeParityPattern& pattern = kPatterns.at(row);
    return {pattern.text.data(), pattern.length};
}

PatternSet patternsFittedBy(std::string_view drawText) {
    // A missing position has no class and fits no pattern.
    if (drawText.size() < kPositions) return 0;
    PatternSet fitted = (PatternSet{1} << kPatternCount) - 1;
    for (std::size_t position = 0; position < kPositions; ++position) {
        fitted &= kFitting[position][static_cast<unsigned char>(drawText[position])];
    }
    return fitted;
}

}  // namespace quintara
