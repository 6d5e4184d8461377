#include "shell/qt/window/history_hole_marks.h"

#include <QPainter>

#include "shell/draw_history.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

constexpr int kRuleWidth = 2;
const QColor kRuleColour{220, 0, 0};

}  // namespace

QVariant holeData(Grid& grid, int row, int role) {
    if (role != kMissingBeforeRole && role != Qt::ToolTipRole) return {};
    const std::int64_t missing = DrawHistory(grid).missingBefore(row);
    if (role == kMissingBeforeRole) return QVariant::fromValue<qint64>(missing);
    if (missing == 0) return {};
    return u"此前缺少%1期"_s.arg(missing);
}

void HoleRuleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.data(kMissingBeforeRole).toLongLong() == 0) return;
    const QRect cell = option.rect;
    painter->fillRect(cell.left(), cell.bottom() + 1 - kRuleWidth, cell.width(), kRuleWidth,
                      kRuleColour);
}

}  // namespace quintara::qt
