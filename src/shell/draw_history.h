// The draw history as the window shows it: the draws in the results grid,
// newest at row 1, always followed by at least one empty row. The core that
// follows draws holds them; the grid shows them, and the statistics steps
// read them from it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/grid.h"
#include "draws/draw.h"

namespace quintara {

class DrawHistory {
public:
    explicit DrawHistory(Grid& grid) : grid_(grid) {}

    // Column widths, header texts and header fonts, once at start.
    void setUp();

    [[nodiscard]] const std::string& newestIssue() const;
    // The issue in grid row `row` (1 and on); empty for an empty row or one
    // past the grid's rows.
    [[nodiscard]] std::string_view issueAt(int row) const;
    [[nodiscard]] Draw newestDraw() const;
    // How many issues are known to be missing just before the draw in row
    // `row` (1 and on): those between the draw below it and it. 0 when
    // either row holds no draw or either issue is no issue number.
    [[nodiscard]] std::int64_t missingBefore(int row) const;
    [[nodiscard]] bool isEmpty() const { return newestIssue().empty(); }

    // The draw texts, newest first: rows 1 to at most `limit`, up to the first
    // row whose issue is empty. The views stay valid until the grid changes.
    [[nodiscard]] std::vector<std::string_view> drawTexts(int limit = kDrawReadLimit) const;
    // The same draws with their issues.
    [[nodiscard]] std::vector<DrawView> draws(int limit = kDrawReadLimit) const;

    // Leaves the header row and one empty row.
    void clear();
    // Appends an empty row at the end and writes the draw into row `row`,
    // the row that was empty before (1, 2, 3, ... after a clear).
    void appendDraw(int row, std::string_view issue, std::string_view drawText);
    // Clears the history and appends the draws one by one, so that the first
    // lands at row 1. The grid's view hears of it once.
    void replaceWith(std::span<const Draw> draws);
    // Inserts the draw at row 1; the draws held so far move down by one.
    void insertNewestDraw(std::string_view issue, std::string_view drawText);
    // Inserts the draws, newest first, above the draws held so far, so that
    // the first lands at row 1.
    void insertNewestDraws(std::span<const Draw> draws);

    [[nodiscard]] Grid& grid() const { return grid_; }

private:
    // Calls `visit(issue, drawText)` for rows 1 to at most `limit`, up to the
    // first row whose issue is empty; gives the number of rows there may be.
    template <typename Visit>
    void forEachDraw(int limit, Visit visit) const;

    void writeDraw(int row, std::string_view issue, std::string_view drawText);
    // Writes the draws into the rows from `firstRow` on, which are there.
    void writeDraws(int firstRow, std::span<const Draw> draws);

    Grid& grid_;
};

}  // namespace quintara
