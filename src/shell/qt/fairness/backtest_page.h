// The page of the fairness window that backtests a rule (回测): the rule
// (冷号 or 热号), the position, k and the window chosen; the bets, the hits,
// the hit rate beside the fair rate with its 95 % interval, the binomial p,
// the longest run of misses and the verdict; and the cumulative hit rate
// drawn against the fair band.
#pragma once

#include <QWidget>

#include "fairness/backtest.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace quintara::qt {

class HitRateChart;

class BacktestPage : public QWidget {
    Q_OBJECT

public:
    explicit BacktestPage(QWidget* parent = nullptr);

    // What the choices make.
    [[nodiscard]] BacktestRequest request() const;
    void setRequest(const BacktestRequest& request);

    void show(const BacktestResult& result);

    [[nodiscard]] QString figures() const;
    [[nodiscard]] QString verdict() const;
    [[nodiscard]] const HitRateChart& chart() const { return *chart_; }

signals:
    // The backtest is to be run again.
    void requestChanged();

private:
    // The widgets belong to the page, as Qt's children.
    QComboBox* rule_;
    QComboBox* position_;
    QSpinBox* k_;
    QSpinBox* window_;
    QLabel* figures_;
    QLabel* verdict_;
    HitRateChart* chart_;
};

}  // namespace quintara::qt
