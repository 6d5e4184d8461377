// The forms of a summary figure: in full, then shorter while it still reads.
#include "chart/summary_figures.h"

#include <gtest/gtest.h>

namespace quintara {
namespace {

using Forms = std::vector<std::string>;

TEST(SummaryFigures, AMeanLosesItsDecimalsButKeepsOneBelowTen) {
    EXPECT_EQ(figureForms(24.567, 2), (Forms{"24.57", "24.6", "25"}));
    EXPECT_EQ(figureForms(9.26, 2), (Forms{"9.26", "9.3"}));
    EXPECT_EQ(figureForms(0.33, 2), (Forms{"0.33", "0.3"}));
    // Rounded from the value, not from its shorter form: 9.96 is 10.0.
    EXPECT_EQ(figureForms(9.96, 2), (Forms{"9.96", "10.0"}));
    // In full as the tables write it, a half to the even neighbour; shorter
    // as a reader rounds, a half up.
    EXPECT_EQ(figureForms(24.5, 2), (Forms{"24.50", "24.5", "25"}));
    EXPECT_EQ(figureForms(0.125, 2), (Forms{"0.12", "0.1"}));
    EXPECT_EQ(figureForms(1250, 0), (Forms{"1250", "1.3k"}));
}

TEST(SummaryFigures, FromAThousandOnAFigureIsWrittenInThousands) {
    EXPECT_EQ(figureForms(45, 0), (Forms{"45"}));
    EXPECT_EQ(figureForms(999, 0), (Forms{"999"}));
    EXPECT_EQ(figureForms(1228, 0), (Forms{"1228", "1.2k"}));
    EXPECT_EQ(figureForms(9960, 0), (Forms{"9960", "10k"}));
    EXPECT_EQ(figureForms(12345, 0), (Forms{"12345", "12k"}));
    EXPECT_EQ(figureForms(999.6, 2), (Forms{"999.60", "999.6", "1000", "1.0k"}));
}

}  // namespace
}  // namespace quintara
