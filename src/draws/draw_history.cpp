#include "draws/draw_history.h"

#include <algorithm>

namespace quintara {
namespace {

constexpr int kIssueColumn = 1;
constexpr int kDrawColumn = 2;
constexpr std::string_view kCellFace = "宋体";
constexpr int kHeaderFontSize = 15;
constexpr int kCellFontSize = 13;

DrawView viewOf(const std::string& entry) { return DrawHistory::entryView(entry); }
DrawView viewOf(const Draw& draw) { return {draw.issue, draw.text}; }

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

template <typename Draws>
void DrawHistory::replaceAll(const Draws& draws) {
    const Grid::Batch batch(grid_);
    clear();
    // The same as appending the draws one by one: after the clear, row 1 is
    // the empty row that draw 1 is written into, and an empty row follows
    // the last draw.
    grid_.insertRows(grid_.rowCount(), static_cast<int>(draws.size()));
    writeDraws(1, draws);
}

void DrawHistory::replaceWith(const std::vector<std::string>& entries) { replaceAll(entries); }

void DrawHistory::replaceWithDraws(const std::vector<Draw>& draws) { replaceAll(draws); }

void DrawHistory::mergeIn(const std::vector<std::string>& entries, int limit) {
    std::vector<Draw> merged;
    for (const DrawView& held : draws(grid_.rowCount())) {
        merged.push_back({std::string(held.issue), std::string(held.text)});
    }
    for (const std::string& entry : withoutHeld(entries)) merged.push_back(splitEntry(entry));
    std::stable_sort(merged.begin(), merged.end(),
                     [](const Draw& newer, const Draw& older) { return newer.issue > older.issue; });
    merged.resize(std::min(merged.size(), static_cast<std::size_t>(std::max(limit, 0))));
    replaceWithDraws(merged);
}

void DrawHistory::insertNewestDraw(std::string_view issue, std::string_view drawText) {
    grid_.insertRow(1);
    writeDraw(1, issue, drawText);
}

void DrawHistory::insertNewestDraws(const std::vector<std::string>& entries) {
    grid_.insertRows(1, static_cast<int>(entries.size()));
    writeDraws(1, entries);
}

template <typename Draws>
void DrawHistory::writeDraws(int firstRow, const Draws& draws) {
    if (draws.empty()) return;
    int row = firstRow;
    for (const auto& draw : draws) {
        const auto [issue, text] = viewOf(draw);
        grid_.setCell(row, kIssueColumn, issue);
        grid_.setCell(row, kDrawColumn, text);
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

std::vector<std::string> DrawHistory::withoutHeld(std::vector<std::string> entries) const {
    // The issues that arrive, sorted, each marked once it is taken: one walk
    // down the grid marks those it holds, then the entries take the rest.
    std::vector<std::string> arriving;
    for (const std::string& entry : entries) arriving.emplace_back(entryView(entry).issue);
    std::sort(arriving.begin(), arriving.end());
    std::vector<bool> taken(arriving.size(), false);
    const auto take = [&](std::string_view issue) {
        const auto found = std::lower_bound(arriving.begin(), arriving.end(), issue);
        if (found == arriving.end() || *found != issue) return false;
        const auto index = static_cast<std::size_t>(found - arriving.begin());
        const bool free = !taken[index];
        taken[index] = true;
        return free;
    };
    forEachDraw(grid_.rowCount(), [&take](std::string_view issue, std::string_view) { take(issue); });
    std::erase_if(entries, [&take](const std::string& entry) { return !take(entryView(entry).issue); });
    return entries;
}

DrawView DrawHistory::entryView(std::string_view entry) {
    return {entry.substr(0, std::min<std::size_t>(kIssueLength, entry.size())),
            entry.substr(entry.size() - std::min<std::size_t>(kDrawTextLength, entry.size()))};
}

Draw DrawHistory::splitEntry(std::string_view entry) {
    const auto [issue, text] = entryView(entry);
    return {std::string(issue), std::string(text)};
}

}  // namespace quintara
