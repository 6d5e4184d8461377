// The trend chart window (走势图): a top-level window beside the main
// window that shows the chart of a range of draws, chosen over it, and
// follows the history.
#pragma once

#include <QWidget>

#include <string>

#include "controls/grid.h"
#include "shell/qt/chart/trend_chart_choosers.h"
#include "shell/qt/chart/trend_chart_view.h"

class QAbstractItemModel;

namespace quintara::qt {

class TrendChartWindow : public QWidget {
    Q_OBJECT

public:
    // `history` is the grid of the draw history, `historyModel` its view's
    // model, whose changes the chart follows; `mainWindow` the window it
    // opens beside (none: where the desktop puts it). All outlive the window.
    TrendChartWindow(Grid& history, QAbstractItemModel& historyModel, const QWidget* mainWindow = nullptr);

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

    // As wide as its chart's columns and what the window has around them
    // need, and no narrower than its choosers.
    [[nodiscard]] int wantedWidth() const;

    [[nodiscard]] const TrendChartView& view() const { return *view_; }
    [[nodiscard]] TrendChartView& view() { return *view_; }
    [[nodiscard]] TrendChartChoosers& choosers() { return *choosers_; }

protected:
    // Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Takes the width the chart needs and the screen's available height,
    // as far as they go, beside the main window.
    void fitBesideMainWindow();
    void save(Export what);
    [[nodiscard]] QString defaultFileName(const QString& suffix) const;

    Grid& history_;
    const QWidget* mainWindow_;
    // The widgets belong to the window, as Qt's children.
    TrendChartChoosers* choosers_;
    TrendChartView* view_;
};

}  // namespace quintara::qt
