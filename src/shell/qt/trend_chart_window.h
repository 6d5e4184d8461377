// The trend chart window (走势图): a top-level window beside the main
// window that shows the chart of the newest draws and follows the history.
#pragma once

#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>

#include <string>

#include "controls/grid.h"
#include "shell/qt/trend_chart_painter.h"

class QAbstractItemModel;
class QCheckBox;
class QComboBox;

namespace quintara::qt {

// The chart itself: it paints only the rows in view.
class TrendChartView : public QWidget {
    Q_OBJECT

public:
    explicit TrendChartView(QWidget* parent);
    void setChart(TrendChart chart);
    void setLook(const ChartLook& look);
    [[nodiscard]] const TrendChart& chart() const { return chart_; }
    [[nodiscard]] const ChartLook& look() const { return look_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TrendChart chart_;
    ChartLook look_;
};

class TrendChartWindow : public QWidget {
    Q_OBJECT

public:
    // `history` is the grid of the draw history, `historyModel` its view's
    // model, whose changes the chart follows; both outlive the window.
    TrendChartWindow(Grid& history, QAbstractItemModel& historyModel);

    // Shows the window on the newest draws, or brings it to the front when
    // it is shown already.
    void open();
    // The chart as it stands, made again from the history.
    void refresh();

    // Writes the whole chart as a PNG picture, or as the CSV table; false
    // when the file could not be written, which then is left as it was.
    bool writeImage(const QString& path) const;
    bool writeCsv(const QString& path) const;

    // What the two buttons save, once the file dialog has given a path: a
    // failure says so in a box.
    enum class Export { Image, Csv };
    bool saveTo(Export what, const QString& path);

    [[nodiscard]] const TrendChartView& view() const { return *view_; }
    [[nodiscard]] TrendChartView& view() { return *view_; }
    [[nodiscard]] QScrollArea& scrollArea() { return *scroll_; }
    void setDrawsShown(int draws);

protected:
    // Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void save(Export what);
    void scrollToNewest();
    [[nodiscard]] QString defaultFileName(const QString& suffix) const;
    [[nodiscard]] int drawsShown() const;
    [[nodiscard]] ChartLook look() const;

    Grid& history_;
    // The widgets belong to the window, as Qt's children.
    QComboBox* sizes_;
    QCheckBox* omissions_;
    QCheckBox* lines_;
    QScrollArea* scroll_;
    TrendChartView* view_;
    QTimer historyChanged_;  // one refresh for a burst of changes
};

}  // namespace quintara::qt
