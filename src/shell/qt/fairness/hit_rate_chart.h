// The cumulative hit rate of a backtest, bet by bet, against the fair rate
// and the band a fair game keeps it in 95 % of the time (the fair rate
// ± 1.96 · √(b(1 − b)/n) after n bets). The bets run along a logarithmic
// axis, so that both the wide swings of the first bets and the narrow band
// of the last ones show.
#pragma once

#include <QWidget>

#include <vector>

namespace quintara::qt {

class HitRateChart : public QWidget {
    Q_OBJECT

public:
    explicit HitRateChart(QWidget* parent = nullptr);

    // `outcomes`: each bet's hit, oldest first; `baseline`: the fair rate.
    void setOutcomes(const std::vector<bool>& outcomes, double baseline);
    // The hit rate after each bet.
    [[nodiscard]] const std::vector<double>& rates() const { return rates_; }
    // Half the width of the fair band after `bets` bets.
    [[nodiscard]] double fairHalfWidth(double bets) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> rates_;
    double baseline_ = 0;
};

}  // namespace quintara::qt
