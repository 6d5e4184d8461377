#include "shell/draw_history.h"

#include <gtest/gtest.h>

#include <string>

namespace quintara {
namespace {

class DrawHistoryTest : public ::testing::Test {
protected:
    // The grid as the window has it at start: the header row and one empty row.
    Grid grid{3, 2};
    DrawHistory history{grid};

    void load(int count) {
        history.clear();
        for (int row = 1; row <= count; ++row) {
            history.appendDraw(row, "20181101-" + std::to_string(1000 + row).substr(1),
                               std::to_string(10000 + row % 90000).substr(0, 5));
        }
    }
};

TEST_F(DrawHistoryTest, EmptyHistoryHasNoDrawsAndAnEmptyNewestIssue) {
    EXPECT_TRUE(history.isEmpty());
    EXPECT_EQ(history.newestIssue(), "");
    EXPECT_TRUE(history.drawTexts().empty());
}

TEST_F(DrawHistoryTest, SetUpWritesTheHeaderRowAndColumnWidths) {
    history.setUp();
    EXPECT_EQ(grid.cell(0, 1), "开奖期号");
    EXPECT_EQ(grid.cell(0, 2), "号码");
    EXPECT_EQ(grid.columnWidth(0), 14);
    EXPECT_EQ(grid.columnWidth(1), 97);
    EXPECT_EQ(grid.columnWidth(2), 50);
    EXPECT_EQ(grid.cellFont(0, 1), (CellFont{"宋体", 15, kBlack}));
    EXPECT_EQ(grid.cellFont(0, 2), (CellFont{"宋体", 15, kBlack}));
    EXPECT_EQ(grid.cell(0, 0), "");
}

TEST_F(DrawHistoryTest, AppendedDrawsKeepTheirOrderAndAnEmptyRowFollows) {
    history.appendDraw(1, "20181101-120", "12345");
    history.appendDraw(2, "20181101-119", "67890");
    history.appendDraw(3, "20181101-118", "11111");
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.cell(1, 1), "20181101-120");
    EXPECT_EQ(grid.cell(3, 2), "11111");
    EXPECT_EQ(grid.cell(4, 1), "");
    EXPECT_EQ(grid.cellFont(2, 1), (CellFont{"宋体", 13, kBlack}));
    EXPECT_EQ(history.newestDraw().text, "12345");
    EXPECT_EQ(history.drawTexts(), (std::vector<std::string_view>{"12345", "67890", "11111"}));
}

TEST_F(DrawHistoryTest, ClearLeavesTheHeaderRowAndOneEmptyRow) {
    history.setUp();
    load(50);
    history.clear();
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(0, 1), "开奖期号");
    EXPECT_EQ(grid.cell(1, 1), "");
    EXPECT_TRUE(history.isEmpty());
}

TEST_F(DrawHistoryTest, NewestDrawEntersAtRowOneOfAnEmptyHistory) {
    history.insertNewestDraw("20181101-001", "02468");
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(history.newestIssue(), "20181101-001");
    EXPECT_EQ(grid.cell(1, 2), "02468");
    EXPECT_EQ(grid.cell(2, 1), "");
    EXPECT_EQ(grid.cellFont(1, 2), (CellFont{"宋体", 13, kBlack}));
}

TEST_F(DrawHistoryTest, NewestDrawPushesTheOthersDown) {
    load(3);
    history.insertNewestDraw("20181101-004", "99999");
    EXPECT_EQ(history.drawTexts().front(), "99999");
    EXPECT_EQ(grid.cell(2, 1), "20181101-001");
    EXPECT_EQ(history.drawTexts().size(), 4u);
}

TEST_F(DrawHistoryTest, NewestDrawsGoAboveTheHeldOnesFirstEntryAtRowOne) {
    load(2);
    const std::vector<Draw> newest{{"20181101-005", "33333"}, {"20181101-004", "22222"}, {"20181101-003", "11111"}};
    history.insertNewestDraws(newest);
    ASSERT_EQ(grid.rowCount(), 7);
    EXPECT_EQ(history.drawTexts(),
              (std::vector<std::string_view>{"33333", "22222", "11111", "10001", "10002"}));
    EXPECT_EQ(grid.cell(3, 1), "20181101-003");
    EXPECT_EQ(grid.cell(4, 1), "20181101-001");
    EXPECT_EQ(grid.cell(6, 1), "");
    EXPECT_EQ(grid.cellFont(3, 2), (CellFont{"宋体", 13, kBlack}));
}

TEST_F(DrawHistoryTest, ReadersSeeOnlyTheNewestTenThousandDraws) {
    load(10500);
    const auto texts = history.drawTexts();
    ASSERT_EQ(texts.size(), 10000u);
    EXPECT_EQ(texts.back(), grid.cell(10000, 2));
    EXPECT_EQ(history.drawTexts(20).size(), 20u);
}

TEST_F(DrawHistoryTest, ReadingStopsAtTheFirstEmptyIssue) {
    load(5);
    grid.setCell(3, 1, "");
    EXPECT_EQ(history.drawTexts().size(), 2u);
}

TEST_F(DrawHistoryTest, ADrawFollowsAHoleWhereIssuesAreKnownToBeMissingBelowIt) {
    const std::vector<Draw> draws{{"20181102-003", "12345"}, {"20181101-120", "12345"},
                                  {"20181101-117", "12345"}, {"not an issue", "12345"},
                                  {"20181101-100", "12345"}};
    history.replaceWith(draws);
    // The next day's 001 and 002; the day before may have ended at 120 or not.
    EXPECT_EQ(history.missingBefore(1), 2);
    EXPECT_EQ(history.missingBefore(2), 2);
    // Nothing can be told next to a malformed issue, below the oldest draw or
    // past the rows.
    for (const int row : {3, 4, 5, 99}) EXPECT_EQ(history.missingBefore(row), 0) << row;
}

}  // namespace
}  // namespace quintara
