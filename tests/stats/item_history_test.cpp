// The histories behind the rows' details, against hand-worked histories and
// against a plain count of every draw.
#include "stats/item_history.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "stats/digit_pairs.h"
#include "stats/draw_digits.h"

namespace quintara {
namespace {

// The digit at position 1 of each draw: draws written as digits, newest first.
std::array<ItemHistory, kDigitCount> firstDigitHistories(const std::vector<std::string_view>& draws) {
    return itemHistories<kDigitCount>(draws, [](std::string_view text) {
        return ItemSet<kDigitCount>{digitsAt(text, {1, 1})};
    });
}

TEST(ItemHistory, NeverShownShownOnceShownNewestAndInAStreak) {
    // Position 1, newest first: 1 1 2 1 2 2 2 3
    const std::vector<std::string_view> draws{"1", "1", "2", "1", "2", "2", "2", "3"};
    const auto histories = firstDigitHistories(draws);

    const ItemHistory& never = histories[9];
    EXPECT_EQ(never.appearances, 0);
    EXPECT_EQ(never.current, 8);
    EXPECT_EQ(never.previous, std::nullopt);
    EXPECT_EQ(never.longest, 8);
    EXPECT_EQ(never.streak, 0);

    const ItemHistory& once = histories[3];  // only the oldest draw
    EXPECT_EQ(once.appearances, 1);
    EXPECT_EQ(once.current, 7);
    EXPECT_EQ(once.previous, 0);  // n - k1
    EXPECT_EQ(once.longest, 7);
    EXPECT_EQ(once.streak, 1);

    const ItemHistory& newest = histories[1];  // draws 1, 2 and 4
    EXPECT_EQ(newest.appearances, 3);
    EXPECT_EQ(newest.current, 0);
    EXPECT_EQ(newest.previous, 0);  // k2 - k1 - 1
    EXPECT_EQ(newest.longest, 4);   // draws 5 to 8
    EXPECT_EQ(newest.streak, 2);

    const ItemHistory& streak = histories[2];  // draws 3, 5, 6 and 7
    EXPECT_EQ(streak.appearances, 4);
    EXPECT_EQ(streak.current, 2);
    EXPECT_EQ(streak.previous, 1);
    EXPECT_EQ(streak.longest, 2);
    EXPECT_EQ(streak.streak, 3);
}

TEST(ItemHistory, NoDrawsGiveEveryItemNothing) {
    const auto histories = firstDigitHistories({});
    for (const ItemHistory& history : histories) {
        EXPECT_EQ(history.appearances, 0);
        EXPECT_EQ(history.current, 0);
        EXPECT_EQ(history.longest, 0);
        EXPECT_EQ(history.previous, std::nullopt);
    }
}

// Each figure read off the list of draws that show the item, as its
// definition says.
ItemHistory counted(const std::vector<bool>& shown) {
    std::vector<int> at;  // k from 1
    for (std::size_t k = 0; k < shown.size(); ++k) {
        if (shown[k]) at.push_back(static_cast<int>(k) + 1);
    }
    const int n = static_cast<int>(shown.size());
    ItemHistory history;
    history.appearances = static_cast<int>(at.size());
    if (at.empty()) {
        history.current = n;
        history.longest = n;
        return history;
    }
    history.current = at[0] - 1;
    history.previous = at.size() >= 2 ? at[1] - at[0] - 1 : n - at[0];
    history.longest = std::max(at[0] - 1, n - at.back());
    int run = 0;
    for (std::size_t i = 0; i < at.size(); ++i) {
        if (i > 0) history.longest = std::max(history.longest, at[i] - at[i - 1] - 1);
        run = i > 0 && at[i] == at[i - 1] + 1 ? run + 1 : 1;
        history.streak = std::max(history.streak, run);
    }
    return history;
}

TEST(ItemHistory, EveryFigureOfManyItemsOverThreeWordsIsTheDefinitionsOwn) {
    // 180 items: the 45 pairs within each of four groups, as the pair lists have them.
    constexpr std::array kGroups{kAllFive, kFrontThree, kMiddleThree, kBackThree};
    constexpr std::size_t kItems = kGroups.size() * kDigitPairCount;
    std::mt19937 random(11);
    std::vector<std::string> texts(3000);
    for (std::string& text : texts) {
        for (int position = 0; position < 5; ++position) text += static_cast<char>('0' + random() % 10);
    }
    // Runs of one draw over and over, so that streaks happen.
    for (std::size_t at = 100; at < 160; ++at) texts[at] = texts[99];
    const std::vector<std::string_view> draws(texts.begin(), texts.end());
    const auto histories = itemHistories<kItems>(draws, [&](std::string_view text) {
        ItemSet<kItems> shown{};
        for (std::size_t group = 0; group < kGroups.size(); ++group) {
            addItems<kItems>(shown, group * kDigitPairCount, pairsWithin(digitsAt(text, kGroups[group])));
        }
        return shown;
    });

    for (std::size_t item = 0; item < kItems; ++item) {
        std::vector<bool> shown;
        for (const std::string_view text : draws) {
            const PairSet pairs = pairsWithin(digitsAt(text, kGroups[item / kDigitPairCount]));
            shown.push_back((pairs >> (item % kDigitPairCount) & 1U) != 0);
        }
        const ItemHistory expected = counted(shown);
        SCOPED_TRACE(item);
        EXPECT_EQ(histories[item].appearances, expected.appearances);
        EXPECT_EQ(histories[item].current, expected.current);
        EXPECT_EQ(histories[item].previous, expected.previous);
        EXPECT_EQ(histories[item].longest, expected.longest);
        EXPECT_EQ(histories[item].streak, expected.streak);
    }
}

}  // namespace
}  // namespace quintara
