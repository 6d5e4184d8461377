// The marks of holes in the draw grid: a draw that follows a hole (draws are
// missing between it and the draw below it) gets a red rule on the hole's
// edge and a tool tip that says how many draws are missing.
#pragma once

#include <QStyledItemDelegate>
#include <QVariant>

#include "controls/grid.h"

namespace quintara::qt {

// The model role that gives, for a row of the grid's model, the number of
// draws missing just before its draw (0 where none are).
inline constexpr int kMissingBeforeRole = Qt::UserRole + 1;

// What the grid's model gives for grid row `row` in the role: the missing
// draws' number, the tool tip "此前缺少N期" on a row after a hole, or nothing
// for other roles and rows.
[[nodiscard]] QVariant holeData(Grid& grid, int row, int role);

// Paints the cells as usual, and a red rule along the bottom of each cell of
// a row after a hole: the line between that draw and the older one below it,
// where the draws are missing (the newest draw stands at the top).
class HoleRuleDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace quintara::qt
