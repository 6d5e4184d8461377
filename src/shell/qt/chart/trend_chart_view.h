// The chart in the trend chart window: it paints only what is in view, and
// keeps the header and the issue and code columns in view while the rows
// and columns scroll beneath them. Home, End, PgUp and PgDn move through
// the rows.
#pragma once

#include <QAbstractScrollArea>

#include "shell/qt/chart/chart_layout.h"
#include "shell/qt/chart/trend_chart_painter.h"
#include "chart/trend_chart.h"

namespace quintara::qt {

class TrendChartView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TrendChartView(QWidget* parent = nullptr);

    void setChart(TrendChart chart);
    void setLook(const ChartLook& look);
    [[nodiscard]] const TrendChart& chart() const { return chart_; }
    [[nodiscard]] const ChartLook& look() const { return look_; }
    [[nodiscard]] const ChartLayout& layout() const { return layout_; }

    // The newest row and the summary under it in view.
    void scrollToNewest();
    [[nodiscard]] bool newestInView() const;
    // The pixels the view takes beside its chart's width: its frame and the
    // vertical scroll bar.
    [[nodiscard]] int chromeWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    // Paints the chart from `chartOrigin` on into `onScreen` of the viewport.
    void paintPane(QPainter& painter, const QRect& onScreen, const QPoint& chartOrigin);

    TrendChart chart_;
    ChartLayout layout_;
    ChartLook look_;
};

}  // namespace quintara::qt
