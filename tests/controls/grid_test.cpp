#include "controls/grid.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace quintara {
namespace {

// Records what a view of the grid is told, in order.
class RecordingObserver : public GridObserver {
public:
    void beginInsertRows(int first, int count) override { log(range(first, count).insert(0, 1, '+')); }
    void endInsertRows() override { log("+end"); }
    void beginRemoveRows(int first, int count) override { log(range(first, count).insert(0, 1, '-')); }
    void endRemoveRows() override { log("-end"); }
    void cellsChanged(int first, int last) override { log("cells " + range(first, last)); }
    void columnWidthChanged(int column, int width) override { log("width " + range(column, width)); }
    void beginReset() override { log("reset"); }
    void endReset() override { log("reset end"); }

    std::vector<std::string> events;

private:
    static std::string range(int a, int b) { return std::to_string(a) + "," + std::to_string(b); }
    void log(std::string event) { events.push_back(std::move(event)); }
};

TEST(Grid, InsertsBeforeAPositionOrAppendsOutsideTheRows) {
    Grid grid(3, 2);
    grid.setCell(1, 1, "old");
    grid.insertRow(1);
    EXPECT_EQ(grid.cell(2, 1), "old");
    grid.insertRow(99);
    grid.insertRow(-1);
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.cell(2, 1), "old");
}

TEST(Grid, DeletingRowsMovesTheRestUp) {
    Grid grid(2, 5);
    for (int row = 0; row < 5; ++row) grid.setCell(row, 0, std::to_string(row));
    grid.deleteRows(1, 2);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(1, 0), "3");
    grid.deleteRow(0);
    EXPECT_EQ(grid.cell(0, 0), "3");
}

TEST(Grid, CellsOutsideTheGridAreErrors) {
    Grid grid(3, 2);
    EXPECT_THROW((void)grid.cell(2, 0), std::out_of_range);
    EXPECT_THROW(grid.setCell(0, 3, "x"), std::out_of_range);
    EXPECT_THROW(grid.deleteRows(1, 2), std::out_of_range);
}

TEST(Grid, FontChangesKeepTheOtherFontAttributes) {
    Grid grid(3, 3);
    grid.setCellFontSize(1, 1, 2, 2, 13);
    grid.setCellFontName(1, 1, 1, 2, "宋体");
    grid.setCellColour(2, 2, 2, 2, kRed);
    EXPECT_EQ(grid.cellFont(1, 2), (CellFont{"宋体", 13, kBlack}));
    EXPECT_EQ(grid.cellFont(2, 2), (CellFont{"", 13, kRed}));
    EXPECT_EQ(grid.cellFont(0, 0), CellFont{});
}

TEST(Grid, TellsItsViewBeforeAndAfterEachChange) {
    Grid grid(3, 2);
    RecordingObserver view;
    grid.setObserver(&view);
    grid.insertRow(1);
    grid.setCell(1, 2, "12345");
    grid.deleteRows(1, 2);
    grid.setColumnWidth(1, 97);
    grid.insertRows(1, 3);
    grid.insertRows(1, 0);
    EXPECT_EQ(view.events, (std::vector<std::string>{"+1,1", "+end", "cells 1,1", "-1,2", "-end",
                                                     "width 1,97", "+1,3", "+end"}));
    EXPECT_EQ(grid.rowCount(), 4);
}

TEST(Grid, ABatchBecomesOneReset) {
    Grid grid(3, 2);
    RecordingObserver view;
    grid.setObserver(&view);
    {
        Grid::Batch outer(grid);
        grid.insertRow();
        Grid::Batch inner(grid);
        grid.setCell(1, 1, "x");
    }
    EXPECT_EQ(view.events, (std::vector<std::string>{"reset", "reset end"}));
    EXPECT_EQ(grid.cell(1, 1), "x");
}

}  // namespace
}  // namespace quintara
