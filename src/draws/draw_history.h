// The draw history: the draws held in the results grid, newest at row 1,
// always followed by at least one empty row. It has no store of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls/grid.h"

namespace quintara {

inline constexpr int kDrawReadLimit = 10000;
inline constexpr int kIssueLength = 12;     // "20180211-001"
inline constexpr int kDrawTextLength = 5;   // "23780"
inline constexpr int kDrawEntryLength = kIssueLength + kDrawTextLength;

struct Draw {
    std::string issue;
    std::string text;
};

// A draw as the history holds it, valid until the grid changes.
struct DrawView {
    std::string_view issue;
    std::string_view text;
};

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
    // Clears the history and appends the draw entries one by one, so that the
    // first entry lands at row 1. The grid's view hears of it once.
    void replaceWith(const std::vector<std::string>& entries);
    // The same with draws, newest first.
    void replaceWithDraws(const std::vector<Draw>& draws);
    // Puts the draw entries among the draws held, all newest first by issue,
    // keeping the newest `limit`; a draw held stays as it is.
    void mergeIn(const std::vector<std::string>& entries, int limit);
    // Inserts the draw at row 1; the draws held so far move down by one.
    void insertNewestDraw(std::string_view issue, std::string_view drawText);
    // Inserts the draw entries, newest first, above the draws held so far,
    // so that the first entry lands at row 1.
    void insertNewestDraws(const std::vector<std::string>& entries);

    // The entries, in their order, less those whose issue the history holds
    // or an entry before them has: what may go on top without an issue
    // standing twice in the grid.
    [[nodiscard]] std::vector<std::string> withoutHeld(std::vector<std::string> entries) const;

    // Splits a draw entry into its issue (the leftmost 12 characters) and its
    // draw text (the rightmost 5), as the writers store it.
    [[nodiscard]] static Draw splitEntry(std::string_view entry);
    // The same parts, valid as long as the entry is.
    [[nodiscard]] static DrawView entryView(std::string_view entry);

    [[nodiscard]] Grid& grid() const { return grid_; }

private:
    // Calls `visit(issue, drawText)` for rows 1 to at most `limit`, up to the
    // first row whose issue is empty; gives the number of rows there may be.
    template <typename Visit>
    void forEachDraw(int limit, Visit visit) const;

    void writeDraw(int row, std::string_view issue, std::string_view drawText);
    // Writes the draws (entries or Draws) into the rows from `firstRow` on,
    // which are there.
    template <typename Draws>
    void writeDraws(int firstRow, const Draws& draws);
    template <typename Draws>
    void replaceAll(const Draws& draws);

    Grid& grid_;
};

}  // namespace quintara
