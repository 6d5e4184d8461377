#include "draw_book.h"

#include <gtest/gtest.h>

#include "digit_sources.h"
#include "draw_texts.h"
#include "provider/running_provider.h"

namespace quintara::provider::testing {
namespace {

using std::chrono::seconds;

std::string issueOf(const Draw& draw) { return issueText(draw, YearDigits::Four); }

TEST(DrawBook, HistoryIsWholeDaysEndingTheDayBeforeToday) {
    ManualClock clock;
    DrawBook book(3, kInterval, randomDigits(1), clock.clock());
    const BookView view = book.look(SIZE_MAX);
    ASSERT_EQ(view.latest.size(), 360U);
    EXPECT_EQ(issueOf(view.latest.front()), "20250609001");
    EXPECT_EQ(issueOf(view.latest[119]), "20250609120");
    EXPECT_EQ(issueOf(view.latest[120]), "20250610001");
    EXPECT_EQ(issueOf(view.latest.back()), "20250611120");
    EXPECT_EQ(view.untilNextDraw, kInterval);
}

TEST(DrawBook, NewDrawEveryIntervalDatedToday) {
    ManualClock clock;
    DrawBook book(1, kInterval, randomDigits(1), clock.clock());
    clock.advance(kInterval - seconds{1});
    EXPECT_EQ(issueOf(book.look(1).latest.back()), "20250611120");
    EXPECT_EQ(book.look(1).untilNextDraw, seconds{1});

    clock.advance(seconds{1});
    EXPECT_EQ(issueOf(book.look(1).latest.back()), "20250612001");
    EXPECT_EQ(book.look(1).untilNextDraw, kInterval);

    clock.advance(5 * kInterval);
    EXPECT_EQ(issueOf(book.look(1).latest.back()), "20250612006");
    EXPECT_EQ(book.look(SIZE_MAX).latest.size(), 126U);
}

TEST(DrawBook, DayMovesOnAfterItsLastDraw) {
    ManualClock clock;
    DrawBook book(1, kInterval, randomDigits(1), clock.clock());
    clock.advance(121 * kInterval);
    const BookView view = book.look(2);
    EXPECT_EQ(issueOf(view.latest.front()), "20250612120");
    EXPECT_EQ(issueOf(view.latest.back()), "20250613001");
}

TEST(DrawBook, ClockBeforeTheStartMakesNoDraws) {
    ManualClock clock;
    DrawBook book(1, kInterval, randomDigits(1), clock.clock());
    clock.advance(-10 * kInterval);
    EXPECT_EQ(book.look(SIZE_MAX).latest.size(), 120U);
}

TEST(DrawBook, SameSeedSameDraws) {
    ManualClock clock;
    const auto digitsOf = [&clock](std::uint32_t seed) {
        DrawBook book(1, kInterval, randomDigits(seed), clock.clock());
        std::string digits;
        for (const Draw& draw : book.look(SIZE_MAX).latest) digits += draw.digits;
        return digits;
    };
    EXPECT_EQ(digitsOf(5), digitsOf(5));
    EXPECT_NE(digitsOf(5), digitsOf(6));
    EXPECT_EQ(digitsOf(5).find_first_not_of("0123456789"), std::string::npos);
}

TEST(DrawBook, ReplayedDigitsComeInOrderAndAgainAfterTheLast) {
    ManualClock clock;
    DrawBook book(1, kInterval, replayDigits({"12345", "67890", "00000"}), clock.clock());
    const BookView view = book.look(SIZE_MAX);
    EXPECT_EQ(view.latest[0].digits, "12345");
    EXPECT_EQ(view.latest[1].digits, "67890");
    EXPECT_EQ(view.latest[2].digits, "00000");
    EXPECT_EQ(view.latest[3].digits, "12345");
}

TEST(DrawTexts, IssueCodeAndTimeOfADraw) {
    const Draw first{.date = std::chrono::sys_days{std::chrono::year{2025} / 6 / 12},
                     .sequence = 1,
                     .digits = "07312"};
    EXPECT_EQ(issueText(first, YearDigits::Two), "250612001");
    EXPECT_EQ(issueText(first, YearDigits::Four), "20250612001");
    EXPECT_EQ(codeText(first), "0,7,3,1,2");
    EXPECT_EQ(openTimeText(first), "2025-06-12 00:12:00");

    const Draw last{.date = std::chrono::sys_days{std::chrono::year{2025} / 12 / 31},
                    .sequence = 120,
                    .digits = "99999"};
    EXPECT_EQ(issueText(last, YearDigits::Two), "251231120");
    EXPECT_EQ(openTimeText(last), "2026-01-01 00:00:00");
}

}  // namespace
}  // namespace quintara::provider::testing
