// The grid control: a table of text cells held row after row in one deque,
// so that appending at the end and inserting near the top stay cheap at
// 100,000 rows with no heap block of a row's own, and readers take cells
// without a call into a toolkit. A view (the Qt table model) watches it
// through GridObserver.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "controls/controls.h"

namespace quintara {

struct CellFont {
    std::string name;  // empty: the grid's default face
    int size = 0;      // character height in pixels; 0: the default size
    Rgb colour = kBlack;

    friend bool operator==(const CellFont&, const CellFont&) = default;
};

class GridObserver {
public:
    virtual ~GridObserver() = default;
    // Each insertion and removal is announced before and after it happens.
    virtual void beginInsertRows(int first, int count) = 0;
    virtual void endInsertRows() = 0;
    virtual void beginRemoveRows(int first, int count) = 0;
    virtual void endRemoveRows() = 0;
    virtual void cellsChanged(int firstRow, int lastRow) = 0;
    virtual void columnWidthChanged(int column, int width) = 0;
    // Many changes at once (see Grid::Batch): the view starts over after them.
    virtual void beginReset() = 0;
    virtual void endReset() = 0;
};

class Grid : public Control {
    struct Cell {
        std::string text;
        std::uint16_t font = 0;  // index into fonts_
    };

public:
    Grid(int columnCount, int rowCount);

    [[nodiscard]] int columnCount() const { return columnCount_; }
    [[nodiscard]] int rowCount() const { return rowCount_; }

    // Inserts an empty row before `position`; a position outside the rows
    // (or -1) appends at the end.
    void insertRow(int position = -1);
    // Inserts `count` empty rows before `position` at once (the same as
    // inserting a row there `count` times).
    void insertRows(int position, int count);
    void deleteRow(int row);
    // Deletes `count` rows from `first` at once (the same as deleting row
    // `first` `count` times).
    void deleteRows(int first, int count);

    [[nodiscard]] const std::string& cell(int row, int column) const;

    // The cells of one row, as forEachRow hands them out.
    class RowCells {
    public:
        [[nodiscard]] const std::string& text(int column) const { return row_[column].text; }

    private:
        friend class Grid;
        explicit RowCells(std::deque<Cell>::const_iterator row) : row_(row) {}
        std::deque<Cell>::const_iterator row_;
    };
    // Calls `visit(cells)` for rows `first` to `last` in turn, while it
    // returns true: a walk down the rows without looking each cell up.
    template <typename Visit>
    void forEachRow(int first, int last, Visit visit) const {
        if (first > last) return;
        if (first < 0 || last >= rowCount()) throw std::out_of_range("grid: no such rows");
        auto row = cells_.begin() + static_cast<std::ptrdiff_t>(first) * columnCount_;
        for (int at = first; at <= last && visit(RowCells(row)); ++at) row += columnCount_;
    }
    void setCell(int row, int column, std::string_view text);

    [[nodiscard]] int columnWidth(int column) const;
    void setColumnWidth(int column, int width);

    [[nodiscard]] const CellFont& cellFont(int row, int column) const;
    void setCellFontName(int firstRow, int firstColumn, int lastRow, int lastColumn,
                         std::string_view name);
    void setCellFontSize(int firstRow, int firstColumn, int lastRow, int lastColumn, int size);
    void setCellColour(int firstRow, int firstColumn, int lastRow, int lastColumn, Rgb colour);

    void setObserver(GridObserver* observer) { observer_ = observer; }

    // While a Batch lives, the observer hears of no single change: it is told
    // that a reset begins, and that it ends when the Batch does.
    class Batch {
    public:
        explicit Batch(Grid& grid);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Grid& grid_;
    };

private:

    [[nodiscard]] Cell& at(int row, int column);
    [[nodiscard]] const Cell& at(int row, int column) const;
    [[nodiscard]] std::deque<Cell>::iterator rowStart(int row);
    template <typename Change>
    void changeFonts(int firstRow, int firstColumn, int lastRow, int lastColumn, Change change);
    std::uint16_t fontIndex(const CellFont& font);
    [[nodiscard]] GridObserver* listening() const { return batchDepth_ == 0 ? observer_ : nullptr; }

    int columnCount_;
    int rowCount_;
    std::deque<Cell> cells_;  // row 0's cells, then row 1's, ...
    std::vector<int> columnWidths_;
    std::vector<CellFont> fonts_{CellFont{}};
    std::uint16_t lastFont_ = 0;  // the index fontIndex found last
    GridObserver* observer_ = nullptr;
    int batchDepth_ = 0;
};

}  // namespace quintara
