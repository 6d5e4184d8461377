#include "shell/draw_history.h"

#include <algorithm>

#include "draws/issue.h"

namespace quintara {
namespace {

constexpr int kIssueColumn = 1;
constexpr int kDrawColumn = 2;
constexpr std::string_view kCellFace = "宋体";
constexpr int kHeaderFontSize = 15;
constexpr int kCellFontSize = 13;

}  // namespace

void DrawHistory::setUp() {
    grid_.setColumnWidth(0, 14);
    grid_.setColumnWidth(kIssueColumn, 97);
    grid_.setColumnWidth(kDrawColumn, 50);
    grid_.setCell(0, kIssueColumn, "开奖期号");
    grid_.setCell(0, kDrawColumn, "号码");
    grid_.setCellFontSize(0, kIssueColumn, 0, kDrawColumn, kHeaderFontSize);
    grid_.setCellFontName(0, kIssueColumn, 0, kDrawColumn, kCellFace);
    grid_.setCellColour(0, kIssueColumn, 0, kDrawColumn, kBlack);
}

const std::string& DrawHistory::newestIssue() const { return grid_.cell(1, kIssueColumn); }

std::string_view DrawHistory::issueAt(int row) const {
    if (row < 1 || row >= grid_.rowCount()) return {};
    return grid_.cell(row, kIssueColumn);
}

Draw DrawHistory::newestDraw() const {
    return {grid_.cell(1, kIssueColumn), grid_.cell(1, kDrawColumn)};
}

std::int64_t DrawHistory::missingBefore(int row) const { return issuesMissingBetween(issueAt(row + 1), issueAt(row)); }

template <typename Visit>
void DrawHistory::forEachDraw(int limit, Visit visit) const {
    grid_.forEachRow(1, std::min(limit, grid_.rowCount() - 1), [&visit](const Grid::RowCells& row) {
        const std::string& issue = row.text(kIssueColumn);
        if (issue.empty()) return false;
        visit(issue, row.text(kDrawColumn));
        return true;
    });
}

std::vector<std::string_view> DrawHistory::drawTexts(int limit) const {
    std::vector<std::string_view> texts;
    texts.reserve(static_cast<std::size_t>(std::clamp(limit, 0, grid_.rowCount())));
    forEachDraw(limit, [&texts](std::string_view, std::string_view text) { texts.push_back(text); });
    return texts;
}

std::vector<DrawView> DrawHistory::draws(int limit) const {
    std::vector<DrawView> draws;
    draws.reserve(static_cast<std::size_t>(std::clamp(limit, 0, grid_.rowCount())));
    forEachDraw(limit, [&draws](std::string_view issue, std::string_view text) {
        draws.push_back({issue, text});
    });
    return draws;
}

void DrawHistory::clear() {
    // Deleting row 1 until two rows remain, in one step.
    if (grid_.rowCount() > 2) grid_.deleteRows(1, grid_.rowCount() - 2);
}

void DrawHistory::appendDraw(int row, std::string_view issue, std::string_view drawText) {
    grid_.insertRow();
    writeDraw(row, issue, drawText);
}

void DrawHistory::replaceWith(std::span<const Draw> draws) {
    const Grid::Batch batch(grid_);
    clear();
    // The same as appending the draws one by one: after the clear, row 1 is
    // the empty row that draw 1 is written into, and an empty row follows
    // the last draw.
    grid_.insertRows(grid_.rowCount(), static_cast<int>(draws.size()));
    writeDraws(1, draws);
}

void DrawHistory::insertNewestDraw(std::string_view issue, std::string_view drawText) {
    grid_.insertRow(1);
    writeDraw(1, issue, drawText);
}

void DrawHistory::insertNewestDraws(std::span<const Draw> draws) {
    grid_.insertRows(1, static_cast<int>(draws.size()));
    writeDraws(1, draws);
}

void DrawHistory::writeDraws(int firstRow, std::span<const Draw> draws) {
    if (draws.empty()) return;
    int row = firstRow;
    for (const Draw& draw : draws) {
        grid_.setCell(row, kIssueColumn, draw.issue);
        grid_.setCell(row, kDrawColumn, draw.text);
        ++row;
    }
    // Every cell written gets its font as writeDraw gives it, all at once.
    const int lastRow = row - 1;
    grid_.setCellFontSize(firstRow, kIssueColumn, lastRow, kDrawColumn, kCellFontSize);
    grid_.setCellFontName(firstRow, kIssueColumn, lastRow, kDrawColumn, kCellFace);
}

void DrawHistory::writeDraw(int row, std::string_view issue, std::string_view drawText) {
    grid_.setCell(row, kIssueColumn, issue);
    grid_.setCell(row, kDrawColumn, drawText);
    grid_.setCellFontSize(row, kIssueColumn, row, kDrawColumn, kCellFontSize);
    grid_.setCellFontName(row, kIssueColumn, row, kDrawColumn, kCellFace);
}

}  // namespace quintara
