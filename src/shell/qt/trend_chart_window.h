// The trend chart window (走势图): a top-level window beside the main
// window that shows the chart of a range of draws, chosen over it, and
// follows the history.
#pragma once

#include <QWidget>

#include <string>

#include "controls/grid.h"
#include "shell/qt/trend_chart_choosers.h"
#include "shell/qt/trend_chart_view.h"

class QAbstractItemModel;

namespace quintara::qt {

class TrendChartWindow : public QWidget {
    Q_OBJECT

public:
    // `history` is the grid of the draw history, `historyModel` its view's
    // model, whose changes the chart follows; both outlive the window.
    TrendChartWindow(Grid& history, QAbstractItemModel& historyModel);

    // Puts the window beside `main`, inside the screen's available area, as
    // wide as the 五星 chart without sections where the screen allows.
    void placeBeside(const QWidget& main);
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
    [[nodiscard]] TrendChartChoosers& choosers() { return *choosers_; }

protected:
    // Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // As wide as the 五星 chart without sections and what the window has
    // around it.
    [[nodiscard]] int wantedWidth() const;
    void save(Export what);
    [[nodiscard]] QString defaultFileName(const QString& suffix) const;

    Grid& history_;
    // The widgets belong to the window, as Qt's children.
    TrendChartChoosers* choosers_;
    TrendChartView* view_;
};

}  // namespace quintara::qt
