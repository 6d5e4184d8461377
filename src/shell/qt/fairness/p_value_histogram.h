// The p-values of the fairness tests as a histogram of ten bins over 0 to 1,
// beside the flat line a fair game gives: there every p-value is equally
// likely anywhere between 0 and 1, so each bin expects a tenth of them.
#pragma once

#include <QWidget>

#include <array>
#include <vector>

namespace quintara::qt {

class PValueHistogram : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBins = 10;

    explicit PValueHistogram(QWidget* parent = nullptr);

    void setPValues(const std::vector<double>& p);
    // How many p-values fall in each bin, 0 to 0.1 first; 1 counts in the last.
    [[nodiscard]] const std::array<int, kBins>& bins() const { return bins_; }
    // The height of the flat line: the p-values over the bins.
    [[nodiscard]] double fairHeight() const { return fairHeight_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<int, kBins> bins_{};
    double fairHeight_ = 0;
};

}  // namespace quintara::qt
