// Draw histories for the fairness tests: tables written out by hand, and
// generated ones of a fair game or of one with a planted fault, from a fixed
// seed so that every run sees the same draws.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "draws/draw.h"
#include "draws/issue.h"
#include "fairness/five_digits.h"

namespace quintara::testing {

inline std::vector<FiveDigits> digitsOf(const std::vector<std::string>& texts) {
    std::vector<FiveDigits> digits;
    for (const std::string& text : texts) digits.push_back(*fiveDigits(text));
    return digits;
}

// Draws with issues of 120 a day from 1 January 2019 on, held newest first
// as the history holds them; `views` point into them.
class History {
public:
    // `oldestFirst`: the draw texts.
    explicit History(const std::vector<std::string>& oldestFirst) {
        using namespace std::chrono;
        for (std::size_t at = oldestFirst.size(); at-- > 0;) {
            const Issue issue(sys_days{2019y / January / 1} + days{at / kDrawsPerDay},
                              static_cast<int>(at % kDrawsPerDay) + 1);
            draws_.push_back({issue.text(), oldestFirst[at]});
        }
        for (const Draw& draw : draws_) views_.push_back({draw.issue, draw.text});
    }

    [[nodiscard]] const std::vector<DrawView>& views() const { return views_; }
    [[nodiscard]] const std::vector<Draw>& draws() const { return draws_; }

private:
    std::vector<Draw> draws_;
    std::vector<DrawView> views_;
};

// A generated game: each draw's five digits from `digit(position, draw so
// far)`, with the engine's numbers spread evenly (mt19937 is the same
// everywhere; its 32 bits taken modulo 10 lean by less than 1e-9).
class Game {
public:
    explicit Game(std::uint32_t seed) : engine_(seed) {}

    [[nodiscard]] int fairDigit() { return static_cast<int>(engine_() % 10); }
    // True with the chance `chance`.
    [[nodiscard]] bool happens(double chance) { return static_cast<double>(engine_()) < chance * 4294967296.0; }

    // `count` draw texts, oldest first; `digitAt(position, digits so far)`
    // gives each digit.
    [[nodiscard]] std::vector<std::string> draws(int count,
                                                 const std::function<int(int, const std::string&)>& digitAt) {
        std::vector<std::string> texts;
        for (int draw = 0; draw < count; ++draw) {
            std::string text;
            for (int position = 0; position < kPositions; ++position) {
                text += static_cast<char>('0' + digitAt(position, text));
            }
            texts.push_back(text);
        }
        return texts;
    }

private:
    std::mt19937 engine_;
};

}  // namespace quintara::testing
