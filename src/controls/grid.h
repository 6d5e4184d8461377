// The grid control: a table of text cells held as a vector of rows, so that
// appending and inserting stay cheap at 100,000 rows and readers take cells
// without a call into a toolkit. A view (the Qt table model) watches it
// through GridObserver.
#pragma once

#include <cstddef>
#include <cstdint>
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
public:
    Grid(int columnCount, int rowCount);

    [[nodiscard]] int columnCount() const { return columnCount_; }
    [[nodiscard]] int rowCount() const { return static_cast<int>(rows_.size()); }

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
    struct Cell {
        std::string text;
        std::uint16_t font = 0;  // index into fonts_
    };
    using Row = std::vector<Cell>;

    [[nodiscard]] Cell& at(int row, int column);
    [[nodiscard]] const Cell& at(int row, int column) const;
    template <typename Change>
    void changeFonts(int firstRow, int firstColumn, int lastRow, int lastColumn, Change change);
    std::uint16_t fontIndex(const CellFont& font);
    [[nodiscard]] GridObserver* listening() const { return batchDepth_ == 0 ? observer_ : nullptr; }

    int columnCount_;
    std::vector<Row> rows_;
    std::vector<int> columnWidths_;
    std::vector<CellFont> fonts_{CellFont{}};
    GridObserver* observer_ = nullptr;
    int batchDepth_ = 0;
};

}  // namespace quintara
