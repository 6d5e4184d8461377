#include "controls/grid.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

namespace quintara {

Grid::Grid(int columnCount, int rowCount)
    : columnCount_(columnCount),
      rowCount_(rowCount),
      cells_(static_cast<std::size_t>(rowCount) * static_cast<std::size_t>(columnCount)),
      columnWidths_(static_cast<std::size_t>(columnCount), 0) {}

std::deque<Grid::Cell>::iterator Grid::rowStart(int row) {
    return cells_.begin() + static_cast<std::ptrdiff_t>(row) * columnCount_;
}

void Grid::insertRow(int position) { insertRows(position, 1); }

void Grid::insertRows(int position, int count) {
    if (count <= 0) return;
    if (position < 0 || position >= rowCount()) position = rowCount();
    auto* observer = listening();
    if (observer != nullptr) observer->beginInsertRows(position, count);
    cells_.insert(rowStart(position), static_cast<std::size_t>(count) * columnCount_, Cell{});
    rowCount_ += count;
    if (observer != nullptr) observer->endInsertRows();
}

void Grid::deleteRow(int row) { deleteRows(row, 1); }

void Grid::deleteRows(int first, int count) {
    if (first < 0 || count < 0 || first + count > rowCount()) {
        throw std::out_of_range("grid: no such rows");
    }
    if (count == 0) return;
    auto* observer = listening();
    if (observer != nullptr) observer->beginRemoveRows(first, count);
    cells_.erase(rowStart(first), rowStart(first + count));
    rowCount_ -= count;
    if (observer != nullptr) observer->endRemoveRows();
}

Grid::Cell& Grid::at(int row, int column) {
    return const_cast<Cell&>(std::as_const(*this).at(row, column));
}

const Grid::Cell& Grid::at(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount_) {
        throw std::out_of_range("grid: no such cell");
    }
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_) +
                  static_cast<std::size_t>(column)];
}

const std::string& Grid::cell(int row, int column) const { return at(row, column).text; }

void Grid::setCell(int row, int column, std::string_view text) {
    at(row, column).text.assign(text);
    if (auto* observer = listening()) observer->cellsChanged(row, row);
}

int Grid::columnWidth(int column) const {
    return columnWidths_.at(static_cast<std::size_t>(column));
}

void Grid::setColumnWidth(int column, int width) {
    columnWidths_.at(static_cast<std::size_t>(column)) = width;
    if (auto* observer = listening()) observer->columnWidthChanged(column, width);
}

const CellFont& Grid::cellFont(int row, int column) const { return fonts_[at(row, column).font]; }

std::uint16_t Grid::fontIndex(const CellFont& font) {
    // The font of the last change is most often the next one's too.
    if (fonts_[lastFont_] == font) return lastFont_;
    auto found = std::find(fonts_.begin(), fonts_.end(), font);
    if (found == fonts_.end()) found = fonts_.insert(fonts_.end(), font);
    lastFont_ = static_cast<std::uint16_t>(found - fonts_.begin());
    return lastFont_;
}

template <typename Change>
void Grid::changeFonts(int firstRow, int firstColumn, int lastRow, int lastColumn, Change change) {
    // The cells of a range mostly share one font: it is changed and looked up
    // once for as long as the next cell has the same.
    if (firstRow > lastRow || firstColumn > lastColumn) return;
    (void)at(firstRow, firstColumn);  // both corners inside the grid, or no change at all
    (void)at(lastRow, lastColumn);
    std::optional<std::pair<std::uint16_t, std::uint16_t>> lastChange;  // from, to
    for (int row = firstRow; row <= lastRow; ++row) {
        const auto cells = rowStart(row);
        for (auto target = cells + firstColumn; target != cells + lastColumn + 1; ++target) {
            if (!lastChange || lastChange->first != target->font) {
                CellFont font = fonts_[target->font];
                change(font);
                lastChange.emplace(target->font, fontIndex(font));
            }
            target->font = lastChange->second;
        }
    }
    if (auto* observer = listening()) observer->cellsChanged(firstRow, lastRow);
}

void Grid::setCellFontName(int firstRow, int firstColumn, int lastRow, int lastColumn,
                           std::string_view name) {
    changeFonts(firstRow, firstColumn, lastRow, lastColumn,
                [name](CellFont& font) { font.name = name; });
}

void Grid::setCellFontSize(int firstRow, int firstColumn, int lastRow, int lastColumn, int size) {
    changeFonts(firstRow, firstColumn, lastRow, lastColumn,
                [size](CellFont& font) { font.size = size; });
}

void Grid::setCellColour(int firstRow, int firstColumn, int lastRow, int lastColumn, Rgb colour) {
    changeFonts(firstRow, firstColumn, lastRow, lastColumn,
                [colour](CellFont& font) { font.colour = colour; });
}

Grid::Batch::Batch(Grid& grid) : grid_(grid) {
    if (grid_.batchDepth_++ == 0 && grid_.observer_ != nullptr) grid_.observer_->beginReset();
}

Grid::Batch::~Batch() {
    if (--grid_.batchDepth_ == 0 && grid_.observer_ != nullptr) grid_.observer_->endReset();
}

}  // namespace quintara
