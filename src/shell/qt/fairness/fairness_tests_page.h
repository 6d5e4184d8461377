// The page of the fairness window that shows the tests: the verdict on top
// in plain Chinese with what the range could reveal at all, the tests as a
// table (检验, 范围, 统计量, 自由度, p值, 校正p值, and what each asks), and
// beside it the histogram of their p-values.
#pragma once

#include <QWidget>

#include "fairness/fairness_report.h"

class QLabel;
class QTableWidget;

namespace quintara::qt {

class PValueHistogram;

class FairnessTestsPage : public QWidget {
    Q_OBJECT

public:
    explicit FairnessTestsPage(QWidget* parent = nullptr);

    void show(const FairnessReport& report);

    [[nodiscard]] QString verdict() const;
    [[nodiscard]] QString detectable() const;
    [[nodiscard]] const QTableWidget& table() const { return *table_; }
    [[nodiscard]] const PValueHistogram& histogram() const { return *histogram_; }

private:
    // The widgets belong to the page, as Qt's children.
    QLabel* verdict_;
    QLabel* detectable_;
    QTableWidget* table_;
    PValueHistogram* histogram_;
};

}  // namespace quintara::qt
