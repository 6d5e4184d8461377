#include "draws/draw_history.h"

#include <algorithm>

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

Draw DrawHistory::newestDraw() const {
    return {grid_.cell(1, kIssueColumn), grid_.cell(1, kDrawColumn)};
}

std::vector<std::string_view> DrawHistory::drawTexts(int limit) const {
    std::vector<std::string_view> texts;
    const int lastRow = std::min(limit, grid_.rowCount() - 1);
    texts.reserve(static_cast<std::size_t>(std::max(lastRow, 0)));
    for (int row = 1; row <= lastRow && !grid_.cell(row, kIssueColumn).empty(); ++row) {
        texts.emplace_back(grid_.cell(row, kDrawColumn));
    }
    return texts;
}

void DrawHistory::clear() {
    // Deleting row 1 until two rows remain, in one step.
    if (grid_.rowCount() > 2) grid_.deleteRows(1, grid_.rowCount() - 2);
}

void DrawHistory::appendDraw(int row, std::string_view issue, std::string_view drawText) {
    grid_.insertRow();
    writeDraw(row, issue, drawText);
}

void DrawHistory::replaceWith(const std::vector<std::string>& entries) {
    const Grid::Batch batch(grid_);
    clear();
    int row = 1;
    for (const std::string& entry : entries) {
        const Draw draw = splitEntry(entry);
        appendDraw(row++, draw.issue, draw.text);
    }
}

void DrawHistory::insertNewestDraw(std::string_view issue, std::string_view drawText) {
    grid_.insertRow(1);
    writeDraw(1, issue, drawText);
}

void DrawHistory::insertNewestDraws(const std::vector<std::string>& entries) {
    grid_.insertRows(1, static_cast<int>(entries.size()));
    int row = 1;
    for (const std::string& entry : entries) {
        const Draw draw = splitEntry(entry);
        writeDraw(row++, draw.issue, draw.text);
    }
}

void DrawHistory::writeDraw(int row, std::string_view issue, std::string_view drawText) {
    grid_.setCell(row, kIssueColumn, issue);
    grid_.setCell(row, kDrawColumn, drawText);
    grid_.setCellFontSize(row, kIssueColumn, row, kDrawColumn, kCellFontSize);
    grid_.setCellFontName(row, kIssueColumn, row, kDrawColumn, kCellFace);
}

Draw DrawHistory::splitEntry(std::string_view entry) {
    const auto issueLength = std::min<std::size_t>(kIssueLength, entry.size());
    const auto textLength = std::min<std::size_t>(kDrawTextLength, entry.size());
    return {std::string(entry.substr(0, issueLength)),
            std::string(entry.substr(entry.size() - textLength))};
}

}  // namespace quintara
