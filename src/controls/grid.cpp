#include "controls/grid.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace quintara {

Grid::Grid(int columnCount, int rowCount)
    : columnCount_(columnCount),
      rows_(static_cast<std::size_t>(rowCount), Row(static_cast<std::size_t>(columnCount))),
      columnWidths_(static_cast<std::size_t>(columnCount), 0) {}

void Grid::insertRow(int position) { insertRows(position, 1); }

void Grid::insertRows(int position, int count) {
    if (count <= 0) return;
    if (position < 0 || position >= rowCount()) position = rowCount();
    auto* observer = listening();
    if (observer != nullptr) observer->beginInsertRows(position, count);
    rows_.insert(rows_.begin() + position, static_cast<std::size_t>(count),
                 Row(static_cast<std::size_t>(columnCount_)));
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
    rows_.erase(rows_.begin() + first, rows_.begin() + first + count);
    if (observer != nullptr) observer->endRemoveRows();
}

Grid::Cell& Grid::at(int row, int column) {
    return const_cast<Cell&>(std::as_const(*this).at(row, column));
}

const Grid::Cell& Grid::at(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount_) {
        throw std::out_of_range("grid: no such cell");
    }
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
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
    auto found = std::find(fonts_.begin(), fonts_.end(), font);
    if (found == fonts_.end()) found = fonts_.insert(fonts_.end(), font);
    return static_cast<std::uint16_t>(found - fonts_.begin());
}

template <typename Change>
void Grid::changeFonts(int firstRow, int firstColumn, int lastRow, int lastColumn, Change change) {
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            Cell& target = at(row, column);
            CellFont font = fonts_[target.font];
            change(font);
            target.font = fontIndex(font);
        }
    }
    if (auto* observer = listening(); observer && firstRow <= lastRow) {
        observer->cellsChanged(firstRow, lastRow);
    }
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
