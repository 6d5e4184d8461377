// The choosers over the trend chart: the view (五星 to 后二), the range
// (a count of newest draws, 今日, 近3天, 近7天, or an issue range between two
// fields), the sections, what the cells show, and the legend of 号温.
#pragma once

#include <QWidget>

#include <array>

#include "shell/qt/common/range_chooser.h"
#include "shell/qt/chart/trend_chart_painter.h"
#include "chart/trend_chart.h"

class QCheckBox;
class QComboBox;

namespace quintara::qt {

class TrendChartChoosers : public QWidget {
    Q_OBJECT

public:
    explicit TrendChartChoosers(QWidget* parent = nullptr);

    // The view, the sections and the range chosen.
    [[nodiscard]] ChartOptions options() const;
    [[nodiscard]] ChartLook look() const;

    void setView(const ChartView& view);
    void setSections(SectionSet sections);
    // A range of the choices: a count of kChartSizes, a day range of
    // kChartDays, or any issue range.
    void setRange(const DrawRange& range);

    // Says what the chart shown lacks ("仅有N期"); until the reader chooses
    // an issue range, its fields hold the first and the last issue shown.
    void showChart(const TrendChart& chart);
    [[nodiscard]] QString note() const;

signals:
    // The chart is to be made again.
    void optionsChanged();
    // The chart is to be painted again.
    void lookChanged();

private:
    void viewChosen();

    // The widgets belong to the choosers, as Qt's children.
    QComboBox* views_;
    RangeChooser* range_;
    std::array<QCheckBox*, kChartSections.size()> sections_{};
    QCheckBox* omissions_;
    QCheckBox* lines_;
    QCheckBox* temperature_;
};

}  // namespace quintara::qt
