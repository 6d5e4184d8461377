// The form test: how many alike digits a draw, or three positions of it,
// holds, against the shares a fair game gives each form.
#include <array>
#include <bit>
#include <cstdint>

#include "fairness/chi_squared_test.h"
#include "fairness/range_tests.h"

namespace quintara {
namespace {

// 组选120 (five different), 组选60 (one pair), 组选30 (two pairs), 组选20
// (three alike), and 组选10, 组选5 and 豹子 together.
constexpr std::array<double, 5> kFiveForms{0.3024, 0.504, 0.108, 0.072, 0.0136};
// 组六, 组三, 豹子.
constexpr std::array<double, 3> kThreeForms{0.72, 0.27, 0.01};

struct Three {
    const char* name;
    std::size_t first;
};
constexpr std::array<Three, 3> kThrees{{{"前三", 0}, {"中三", 1}, {"后三", 2}}};

// The digits of positions [first, first + count) as a set, and how often
// the most frequent of them stands there.
struct Alike {
    int different = 0;
    int most = 0;
};

Alike alikeIn(const FiveDigits& draw, std::size_t first, std::size_t count) {
    std::array<int, kDigits> times{};
    std::uint16_t seen = 0;
    Alike alike;
    for (std::size_t position = first; position < first + count; ++position) {
        seen = static_cast<std::uint16_t>(seen | (1U << draw[position]));
        alike.most = std::max(alike.most, ++times[draw[position]]);
    }
    alike.different = std::popcount(seen);
    return alike;
}

std::size_t fiveForm(const FiveDigits& draw) {
    const Alike alike = alikeIn(draw, 0, kPositions);
    switch (alike.different) {
        case 5: return 0;
        case 4: return 1;
        case 3: return alike.most == 2 ? 2 : 3;
        default: return 4;
    }
}

std::size_t threeForm(const FiveDigits& draw, std::size_t first) {
    return static_cast<std::size_t>(3 - alikeIn(draw, first, 3).different);
}

}  // namespace

std::vector<FairnessTest> formTests(std::span<const FiveDigits> draws) {
    std::array<std::int64_t, kFiveForms.size()> five{};
    std::array<std::array<std::int64_t, kThreeForms.size()>, kThrees.size()> threes{};
    for (const FiveDigits& draw : draws) {
        ++five[fiveForm(draw)];
        for (std::size_t three = 0; three < kThrees.size(); ++three) {
            ++threes[three][threeForm(draw, kThrees[three].first)];
        }
    }
    std::vector<FairnessTest> tests{chiSquaredTest(TestKind::Form, "五星", five, kFiveForms)};
    for (std::size_t three = 0; three < kThrees.size(); ++three) {
        tests.push_back(chiSquaredTest(TestKind::Form, kThrees[three].name, threes[three], kThreeForms));
    }
    return tests;
}

}  // namespace quintara
