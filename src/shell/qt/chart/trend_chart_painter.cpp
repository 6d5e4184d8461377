#include "shell/qt/chart/trend_chart_painter.h"

#include <QFont>
#include <QPen>

#include <algorithm>
#include <array>
#include <optional>

#include "shell/qt/chart/chart_sprites.h"
#include "shell/qt/chart/chart_style.h"
#include "shell/qt/chart/png_band_writer.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {
namespace {

using L = ChartLayout;

// A colour for the balls of each position, 万 to 个, of the distribution,
// and of each section with balls.
const std::array<QColor, kPositionCount> kPositionBalls{
    QColor(206, 46, 46), QColor(230, 126, 34), QColor(39, 153, 86), QColor(41, 110, 200),
    QColor(142, 68, 173)};
const QColor kDistributionBall(120, 120, 120);
const QColor kRepeatedBall(60, 60, 60);  // a digit that stands more than once
const QColor kSumBall(0, 137, 123);
const QColor kSpanBall(121, 85, 72);
const QColor kFormBall(194, 24, 91);
const QColor kSizeRatioBall(175, 96, 26);
const QColor kParityRatioBall(0, 121, 163);
const QColor kPrimeRatioBall(104, 118, 34);
const QColor kDragonTigerBall(57, 73, 171);
// Faint bands behind the column groups, every other one tinted.
const std::array<QColor, 2> kBands{QColor(255, 255, 255), QColor(244, 248, 252)};
const QColor kGridLine(214, 220, 228);
const QColor kGroupLine(150, 165, 185);
const QColor kHeaderFill(226, 234, 244);
const QColor kSummaryFill(250, 246, 232);
const QColor kFooterFill(242, 242, 242);
const QColor kHoleRule(220, 30, 30);
const QColor kText(40, 40, 40);

// The GUI thread's pictures of balls and numbers; painting happens there only.
ChartSprites& sprites() {
    static ChartSprites made(L::kCell);
    return made;
}

QColor ballColour(const ColumnGroup& group) {
    if (group.position > 0) return kPositionBalls[static_cast<std::size_t>(group.position - 1)];
    if (!group.section) return kDistributionBall;
    switch (*group.section) {
        case ChartSection::Sum: return kSumBall;
        case ChartSection::Span: return kSpanBall;
        case ChartSection::SizeRatio: return kSizeRatioBall;
        case ChartSection::ParityRatio: return kParityRatioBall;
        case ChartSection::PrimeRatio: return kPrimeRatioBall;
        case ChartSection::DragonTiger: return kDragonTigerBall;
        default: return kFormBall;
    }
}

// The Omission column of the group that shows the row's item, if one does.
std::optional<int> drawnColumn(const ChartRow& row, const ChartLayout& layout, int group, int columns) {
    const int first = layout.firstColumnOf(group);
    for (int column = first; column < first + columns; ++column) {
        if (layout.kind(column) == ColumnKind::Omission &&
            row.cells[static_cast<std::size_t>(column)].drawn()) {
            return column;
        }
    }
    return std::nullopt;
}

// One painting of what of the chart lies in an area: the rows and columns
// that reach into it, and one row beside each end for the lines that cross
// its edge.
class ChartPainting {
public:
    ChartPainting(QPainter& painter, const TrendChart& chart, const ChartLayout& layout,
                  const ChartLook& look, const QRect& area)
        : painter_(painter),
          chart_(chart),
          layout_(layout),
          look_(look),
          area_(area),
          columns_(layout.columnsIn(area.left(), area.right())) {
        const auto [first, last] = layout.rowsIn(area.top(), area.bottom());
        firstRow_ = std::max(first - 1, 0);
        lastRow_ = std::min(last + 1, layout.rowCount() - 1);
    }

    void paint() {
        painter_.fillRect(area_, Qt::white);
        paintBands();
        // Under the grid, the lines and the balls, which all stay in sight.
        if (look_.temperature) paintTemperatures();
        paintGrid();
        if (look_.lines) paintLines();
        for (int row = firstRow_; row <= lastRow_; ++row) paintRow(row);
        paintHoleRules();
        if (area_.bottom() >= layout_.summaryTop()) paintSummary();
        if (area_.bottom() >= layout_.footerTop()) {
            paintChartFooter(painter_, chart_, QRect(0, layout_.footerTop(), layout_.width(), L::kCell));
        }
        if (area_.top() < L::kHeaderHeight) paintHeader();
    }

private:
    [[nodiscard]] const ColumnGroup& groupOf(int column) const {
        return chart_.groups[static_cast<std::size_t>(layout_.groupOf(column))];
    }

    void paintBands() {
        const int top = L::kHeaderHeight;
        for (int column = columns_.first; column <= columns_.second; ++column) {
            const QRect cell = layout_.cellRect(column, top);
            painter_.fillRect(QRect(cell.left(), top, cell.width(), layout_.footerTop() - top),
                              kBands[static_cast<std::size_t>(layout_.groupOf(column) % 2)]);
        }
    }

    // Each digit cell of a position in the tint of its 号温.
    void paintTemperatures() {
        for (int row = firstRow_; row <= lastRow_; ++row) {
            const ChartRow& each = chart_.rows[static_cast<std::size_t>(row)];
            for (int column = columns_.first; column <= columns_.second; ++column) {
                const auto& temperature = each.cells[static_cast<std::size_t>(column)].temperature;
                if (temperature) {
                    painter_.fillRect(layout_.cellRect(column, L::rowTop(row)),
                                      temperatureTint(*temperature));
                }
            }
        }
    }

    void paintGrid() {
        const int bottom = layout_.footerTop();
        painter_.setPen(kGridLine);
        for (int line = firstRow_; line <= lastRow_ + 1; ++line) {
            painter_.drawLine(area_.left(), L::rowTop(line), area_.right(), L::rowTop(line));
        }
        for (std::size_t line = 1; line <= chart_.summaryLines.size(); ++line) {
            const int y = layout_.summaryTop() + static_cast<int>(line) * L::kCell;
            painter_.drawLine(area_.left(), y, area_.right(), y);
        }
        for (int column = columns_.first; column <= columns_.second + 1; ++column) {
            const bool groupStarts =
                column >= layout_.columnCount() || layout_.firstColumnOf(layout_.groupOf(column)) == column;
            painter_.setPen(groupStarts ? kGroupLine : kGridLine);
            painter_.drawLine(layout_.columnLeft(column), L::kHeaderHeight, layout_.columnLeft(column),
                              bottom);
        }
        painter_.setPen(kGridLine);
        painter_.drawLine(L::kIssueWidth, 0, L::kIssueWidth, bottom);
    }

    // The segments between the balls of rows, each group of balls in its
    // colour.
    void paintLines() {
        // Smooth slopes; every other line of the chart is straight and
        // stands on whole pixels.
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        const int firstGroup = columns_.first <= columns_.second ? layout_.groupOf(columns_.first) : 0;
        const int lastGroup = columns_.first <= columns_.second ? layout_.groupOf(columns_.second) : -1;
        for (int group = firstGroup; group <= lastGroup; ++group) {
            const ColumnGroup& each = chart_.groups[static_cast<std::size_t>(group)];
            const int columns = static_cast<int>(each.columns.size());
            painter_.setPen(QPen(ballColour(each), 1.5));
            for (int row = std::max(firstRow_, 1); row <= lastRow_; ++row) {
                const auto from =
                    drawnColumn(chart_.rows[static_cast<std::size_t>(row - 1)], layout_, group, columns);
                const auto to =
                    drawnColumn(chart_.rows[static_cast<std::size_t>(row)], layout_, group, columns);
                if (!from || !to) continue;
                painter_.drawLine(QRectF(layout_.cellRect(*from, L::rowTop(row - 1))).center(),
                                  QRectF(layout_.cellRect(*to, L::rowTop(row))).center());
            }
        }
        painter_.restore();
    }

    void paintRow(int index) {
        const ChartRow& row = chart_.rows[static_cast<std::size_t>(index)];
        const int top = L::rowTop(index);
        painter_.setPen(kText);
        painter_.setFont(chartFont(kTextPixels));
        painter_.drawText(QRect(0, top, L::kIssueWidth, L::kCell), Qt::AlignCenter, toQString(row.issue));
        painter_.setFont(chartFont(kCaptionPixels, true));
        painter_.drawText(QRect(L::kIssueWidth, top, L::kCodeWidth, L::kCell), Qt::AlignCenter,
                          toQString(row.code));
        painter_.setFont(chartFont(kTextPixels));
        for (int column = columns_.first; column <= columns_.second; ++column) {
            paintCell(row.cells[static_cast<std::size_t>(column)], column, top);
        }
    }

    void paintCell(const ChartCell& cell, int column, int top) {
        const QRect rect = layout_.cellRect(column, top);
        switch (layout_.kind(column)) {
            case ColumnKind::Omission:
                if (cell.drawn()) {
                    painter_.drawImage(rect.topLeft(), sprites().ball(ballColour(groupOf(column)),
                                                                      layout_.heading(column), rect.width()));
                } else if (look_.omissions) {
                    paintOmission(cell.number, rect);
                }
                break;
            case ColumnKind::Count:
                if (cell.number > 0) {
                    painter_.drawImage(rect.topLeft(),
                                       sprites().ball(cell.number == 1 ? kDistributionBall : kRepeatedBall,
                                                      QString::number(cell.number), rect.width()));
                }
                break;
            case ColumnKind::Value: painter_.drawText(rect, Qt::AlignCenter, toQString(cell.text)); break;
        }
    }

    void paintOmission(int omission, const QRect& rect) {
        if (const QImage* sprite = sprites().omission(omission, rect.width())) {
            painter_.drawImage(rect.topLeft(), *sprite);
            return;
        }
        // A rare long absence, which its column is wide enough for.
        painter_.save();
        painter_.setPen(omissionTextColour());
        painter_.setFont(chartFont(kOmissionPixels));
        painter_.drawText(rect, Qt::AlignCenter, QString::number(omission));
        painter_.restore();
    }

    // A rule above each row whose draw follows missing issues.
    void paintHoleRules() {
        painter_.setPen(QPen(kHoleRule, 2));
        for (int row = firstRow_; row <= lastRow_; ++row) {
            if (!chart_.rows[static_cast<std::size_t>(row)].afterHole) continue;
            painter_.drawLine(area_.left(), L::rowTop(row), area_.right() + 1, L::rowTop(row));
        }
    }

    void paintSummary() {
        int top = layout_.summaryTop();
        painter_.fillRect(QRect(area_.left(), top, area_.width(), layout_.footerTop() - top), kSummaryFill);
        painter_.setPen(kText);
        for (int line = 0; line < static_cast<int>(chart_.summaryLines.size()); ++line) {
            painter_.setFont(chartFont(kTextPixels, true));
            painter_.drawText(QRect(0, top, L::kFrozenWidth, L::kCell), Qt::AlignCenter,
                              toQString(chart_.summaryLines[static_cast<std::size_t>(line)].caption));
            painter_.setFont(chartFont(kTextPixels));
            for (int column = columns_.first; column <= columns_.second; ++column) {
                painter_.drawText(layout_.cellRect(column, top), Qt::AlignCenter,
                                  layout_.summaryText(line, column));
            }
            top += L::kCell;
        }
    }

    void paintHeader() {
        painter_.fillRect(QRect(area_.left(), 0, area_.width(), L::kHeaderHeight), kHeaderFill);
        painter_.setPen(kText);
        painter_.setFont(chartFont(kCaptionPixels, true));
        painter_.drawText(QRect(0, 0, L::kIssueWidth, L::kHeaderHeight), Qt::AlignCenter,
                          toQString(kIssueCaption));
        painter_.drawText(QRect(L::kIssueWidth, 0, L::kCodeWidth, L::kHeaderHeight), Qt::AlignCenter,
                          toQString(kCodeCaption));
        if (columns_.first > columns_.second) return;
        for (int group = layout_.groupOf(columns_.first); group <= layout_.groupOf(columns_.second);
             ++group) {
            paintGroupHeading(group);
        }
    }

    // A group's caption over its columns' headings; a group of one column
    // without a heading has its caption over both lines. The caption stands
    // over the part of the group in the area, inside the group: while any
    // of its columns is in view, so is its caption.
    void paintGroupHeading(int group) {
        const ColumnGroup& each = chart_.groups[static_cast<std::size_t>(group)];
        const int first = layout_.firstColumnOf(group);
        const int end = first + static_cast<int>(each.columns.size());
        const int left = layout_.columnLeft(first);
        const int right = layout_.columnLeft(end);
        const bool captionAlone = each.columns.size() == 1 && each.columns.front().heading.empty();
        painter_.setFont(chartFont(kCaptionPixels, true));
        const int captionWidth = layout_.captionWidth(group);
        const int inViewLeft = std::max(left, area_.left());
        const int inViewRight = std::min(right, area_.right() + 1);
        const int captionLeft = std::clamp((inViewLeft + inViewRight - captionWidth) / 2, left,
                                           std::max(right - captionWidth, left));
        painter_.drawText(QRect(captionLeft, 0, captionWidth, captionAlone ? L::kHeaderHeight : L::kCell),
                          Qt::AlignCenter, layout_.caption(group));
        if (captionAlone) return;
        painter_.setFont(chartFont(kTextPixels));
        for (int column = first; column < end; ++column) {
            painter_.drawText(layout_.cellRect(column, L::kCell), Qt::AlignCenter, layout_.heading(column));
        }
        painter_.setPen(kGroupLine);
        painter_.drawLine(left, 0, left, L::kHeaderHeight);
        painter_.setPen(kText);
    }

    QPainter& painter_;
    const TrendChart& chart_;
    const ChartLayout& layout_;
    const ChartLook& look_;
    QRect area_;
    std::pair<int, int> columns_;  // the first and the last in the area
    int firstRow_ = 0;
    int lastRow_ = -1;
};

}  // namespace

void paintTrendChart(QPainter& painter, const TrendChart& chart, const ChartLayout& layout,
                     const ChartLook& look, const QRect& area) {
    painter.save();
    painter.setClipRect(area);
    ChartPainting(painter, chart, layout, look, area).paint();
    painter.restore();
}

void paintChartFooter(QPainter& painter, const TrendChart& chart, const QRect& band) {
    constexpr int kIndent = 6;
    painter.fillRect(band, kFooterFill);
    painter.setPen(kText);
    painter.setFont(chartFont(kTextPixels));
    painter.drawText(band.adjusted(kIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     toQString(chart.footnote));
}

bool writeTrendChartPng(const TrendChart& chart, const ChartLook& look, QIODevice& out) {
    // Painted and written a band of rows at a time, into the same picture.
    constexpr int kBandHeight = 64 * L::kCell;
    const ChartLayout layout(chart);
    PngBandWriter png(out, layout.size());
    QImage band(layout.width(), std::min(kBandHeight, layout.height()), QImage::Format_RGB32);
    for (int top = 0; top < layout.height(); top += band.height()) {
        const int rows = std::min(band.height(), layout.height() - top);
        QPainter painter(&band);
        painter.translate(0, -top);
        paintTrendChart(painter, chart, layout, look, QRect(0, top, layout.width(), rows));
        painter.end();
        if (!png.write(band, rows)) return false;
    }
    return png.finish();
}

}  // namespace quintara::qt
