#include "shell/qt/trend_chart_painter.h"

#include <QFont>
#include <QPen>

#include <algorithm>
#include <array>
#include <optional>

#include "shell/qt/chart_sprites.h"
#include "shell/qt/chart_style.h"
#include "shell/qt/text.h"

namespace quintara::qt {
namespace {

using G = ChartGeometry;

// A colour for the balls of each position, 万 to 个, and one for the distribution.
const std::array<QColor, kPositionCount> kBallColours{
    QColor(206, 46, 46), QColor(230, 126, 34), QColor(39, 153, 86), QColor(41, 110, 200),
    QColor(142, 68, 173)};
const QColor kDistributionBall(120, 120, 120);
const QColor kRepeatedBall(60, 60, 60);  // a digit that stands more than once
// Faint bands behind the column groups, every other one tinted.
const std::array<QColor, 2> kBands{QColor(255, 255, 255), QColor(244, 248, 252)};
const QColor kGridLine(214, 220, 228);
const QColor kGroupLine(150, 165, 185);
const QColor kHeaderFill(226, 234, 244);
const QColor kSummaryFill(250, 246, 232);
const QColor kText(40, 40, 40);

// The GUI thread's pictures of balls and numbers; painting happens there only.
ChartSprites& sprites() {
    static ChartSprites made(G::kCell);
    return made;
}

QRect cellRect(int column, int top) { return {G::columnLeft(column), top, G::kCell, G::kCell}; }

QPointF ballCentre(int column, int row) {
    return QRectF(cellRect(column, G::rowTop(row))).center();
}

void paintHeader(QPainter& painter, const TrendChart& chart) {
    painter.fillRect(QRect(0, 0, G::width(), G::kHeaderHeight), kHeaderFill);
    painter.setPen(kText);
    painter.setFont(chartFont(13, true));
    painter.drawText(QRect(0, 0, G::kIssueWidth, G::kHeaderHeight), Qt::AlignCenter,
                     toQString(kIssueCaption));
    painter.drawText(QRect(G::kIssueWidth, 0, G::kCodeWidth, G::kHeaderHeight), Qt::AlignCenter,
                     toQString(kCodeCaption));
    int column = 0;
    for (const ColumnGroup& group : chart.groups) {
        const int columns = static_cast<int>(group.columns.size());
        painter.setFont(chartFont(13, true));
        painter.drawText(QRect(G::columnLeft(column), 0, columns * G::kCell, G::kCell), Qt::AlignCenter,
                         toQString(group.caption));
        painter.setFont(chartFont(12));
        for (const ChartColumn& each : group.columns) {
            painter.drawText(cellRect(column++, G::kCell), Qt::AlignCenter, toQString(each.heading));
        }
    }
}

void paintBall(QPainter& painter, const QRect& cell, const QColor& colour, int number) {
    painter.drawImage(cell.topLeft(), sprites().ball(colour, number));
}

void paintRow(QPainter& painter, const ChartRow& row, int index, const ChartLook& look) {
    const int top = G::rowTop(index);
    painter.setPen(kText);
    painter.setFont(chartFont(12));
    painter.drawText(QRect(0, top, G::kIssueWidth, G::kCell), Qt::AlignCenter, toQString(row.issue));
    painter.setFont(chartFont(13, true));
    painter.drawText(QRect(G::kIssueWidth, top, G::kCodeWidth, G::kCell), Qt::AlignCenter,
                     toQString(row.code));
    painter.setFont(chartFont(11));
    painter.setPen(omissionTextColour());
    for (int position = 0; position < kPositionCount; ++position) {
        for (int digit = 0; digit < kDigitCount; ++digit) {
            const ChartCell& cell =
                row.cells[static_cast<std::size_t>(position)][static_cast<std::size_t>(digit)];
            const QRect rect = cellRect(position * kDigitCount + digit, top);
            if (cell.drawn()) {
                paintBall(painter, rect, kBallColours[static_cast<std::size_t>(position)], digit);
            } else if (!look.omissions) {
                continue;
            } else if (const QImage* number = sprites().omission(cell.omission)) {
                painter.drawImage(rect.topLeft(), *number);
            } else {
                painter.drawText(rect, Qt::AlignCenter, QString::number(cell.omission));
            }
        }
    }
    for (int digit = 0; digit < kDigitCount; ++digit) {
        const int count = row.distribution[static_cast<std::size_t>(digit)];
        if (count > 0) {
            paintBall(painter, cellRect(kPositionCount * kDigitCount + digit, top),
                      count == 1 ? kDistributionBall : kRepeatedBall, count);
        }
    }
}

// The drawn digit at a position of a row, if it has one.
std::optional<int> drawnDigit(const ChartRow& row, int position) {
    const auto& cells = row.cells[static_cast<std::size_t>(position)];
    const auto found = std::find_if(cells.begin(), cells.end(), [](const ChartCell& c) { return c.drawn(); });
    if (found == cells.end()) return std::nullopt;
    return static_cast<int>(found - cells.begin());
}

// The segments between the balls of rows `first` to `last`, each position
// in its colour.
void paintLines(QPainter& painter, const TrendChart& chart, int first, int last) {
    painter.setRenderHint(QPainter::Antialiasing);
    for (int position = 0; position < kPositionCount; ++position) {
        painter.setPen(QPen(kBallColours[static_cast<std::size_t>(position)], 1.5));
        for (int row = std::max(first, 1); row <= last; ++row) {
            const auto from = drawnDigit(chart.rows[static_cast<std::size_t>(row - 1)], position);
            const auto to = drawnDigit(chart.rows[static_cast<std::size_t>(row)], position);
            if (!from || !to) continue;
            painter.drawLine(ballCentre(position * kDigitCount + *from, row - 1),
                             ballCentre(position * kDigitCount + *to, row));
        }
    }
}

void paintSummary(QPainter& painter, const TrendChart& chart) {
    // A cell's text keeps clear of the grid lines on either side.
    constexpr int kTextWidth = G::kCell - 2;
    const int rows = static_cast<int>(chart.rows.size());
    const int top = G::rowTop(rows);
    painter.fillRect(QRect(0, top, G::width(), G::height(rows) - top), kSummaryFill);
    painter.setPen(kText);
    int lineTop = top;
    for (const SummaryLine& line : chart.summaryLines) {
        painter.setFont(chartFont(12, true));
        painter.drawText(QRect(0, lineTop, G::kIssueWidth + G::kCodeWidth, G::kCell), Qt::AlignCenter,
                         toQString(line.caption));
        QStringList cells;
        for (const std::string& cell : line.cells) cells.append(toQString(cell));
        // One size for the whole line, the one its widest text fits at.
        painter.setFont(chartFontFitting(cells, kTextWidth, 11));
        for (int column = 0; column < cells.size(); ++column) {
            painter.drawText(cellRect(column, lineTop), Qt::AlignCenter, cells[column]);
        }
        lineTop += G::kCell;
    }
}

// The column bands and the grid lines between the chart's rows `firstRow`
// and `lastRow`, the summary rows' lines always (the clip keeps what is out
// of view off the picture).
void paintBandsAndGrid(QPainter& painter, int rows, int firstRow, int lastRow) {
    const int bottom = G::height(rows);
    for (int group = 0; group <= kPositionCount; ++group) {
        painter.fillRect(QRect(G::columnLeft(group * kDigitCount), G::kHeaderHeight,
                               kDigitCount * G::kCell, bottom - G::kHeaderHeight),
                         kBands[static_cast<std::size_t>(group % 2)]);
    }
    painter.setPen(kGridLine);
    for (int row = firstRow; row <= lastRow + 1; ++row) {
        painter.drawLine(0, G::rowTop(row), G::width(), G::rowTop(row));
    }
    for (int line = 1; line <= kSummaryLineCount; ++line) {
        painter.drawLine(0, G::rowTop(rows + line), G::width(), G::rowTop(rows + line));
    }
    for (int column = 0; column <= G::kDigitColumns; ++column) {
        const int x = G::columnLeft(column);
        painter.setPen(column % kDigitCount == 0 ? kGroupLine : kGridLine);
        painter.drawLine(x, G::kHeaderHeight, x, bottom);
    }
    painter.setPen(kGridLine);
    painter.drawLine(G::kIssueWidth, 0, G::kIssueWidth, bottom);
}

}  // namespace

void paintTrendChart(QPainter& painter, const TrendChart& chart, const ChartLook& look,
                     const QRect& area) {
    const int rows = static_cast<int>(chart.rows.size());
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    // Only the rows that reach into the area, and one beside each end for
    // the lines that cross its edge.
    const int firstRow = std::max((area.top() - G::kHeaderHeight) / G::kCell - 1, 0);
    const int lastRow = std::min((area.bottom() - G::kHeaderHeight) / G::kCell + 1, rows - 1);
    paintBandsAndGrid(painter, rows, firstRow, lastRow);
    if (look.lines) paintLines(painter, chart, firstRow, lastRow);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int row = firstRow; row <= lastRow; ++row) {
        paintRow(painter, chart.rows[static_cast<std::size_t>(row)], row, look);
    }
    if (area.bottom() >= G::rowTop(rows)) paintSummary(painter, chart);
    if (area.top() < G::kHeaderHeight) paintHeader(painter, chart);
    painter.restore();
}

QImage trendChartImage(const TrendChart& chart, const ChartLook& look) {
    QImage image(ChartGeometry::size(static_cast<int>(chart.rows.size())), QImage::Format_RGB32);
    QPainter painter(&image);
    paintTrendChart(painter, chart, look, image.rect());
    return image;
}

bool writeTrendChartPng(const TrendChart& chart, const ChartLook& look, QIODevice& out) {
    // Qt's PNG quality 80 squeezes less than its default, which on a chart
    // of 500 rows takes the most of the time for a file not much smaller.
    constexpr int kPngQuality = 80;
    return trendChartImage(chart, look).save(&out, "PNG", kPngQuality);
}

}  // namespace quintara::qt
