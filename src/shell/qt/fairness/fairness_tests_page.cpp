#include "shell/qt/fairness/fairness_tests_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>
#include <vector>

#include "shell/qt/fairness/p_value_histogram.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

const QColor kDeviation(200, 30, 30);
const QColor kNoDeviation(30, 120, 60);

enum Column { kTest, kScope, kStatistic, kDegrees, kP, kAdjusted, kQuestion, kColumns };

QString numberOr(const std::optional<double>& value, const QString& none) {
    return value ? toQString(shortNumber(*value)) : none;
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

FairnessTestsPage::FairnessTestsPage(QWidget* parent) : QWidget(parent) {
    verdict_ = new QLabel(this);
    verdict_->setWordWrap(true);
    QFont large = verdict_->font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    large.setBold(true);
    verdict_->setFont(large);
    detectable_ = new QLabel(this);
    detectable_->setWordWrap(true);

    table_ = new QTableWidget(0, kColumns, this);
    table_->setHorizontalHeaderLabels({u"检验"_s, u"范围"_s, u"统计量"_s, u"自由度"_s, u"p值"_s, u"校正p值"_s, u"问的是"_s});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    histogram_ = new PValueHistogram(this);
    auto* fair = new QLabel(u"公平的游戏里，p值在0到1之间均匀分布，各柱应与虚线差不多高；"
                            "挤在最左一柱（p < 0.1）的过多，才是偏离的迹象。"_s,
                            this);
    fair->setWordWrap(true);
    auto* side = new QVBoxLayout;
    side->addWidget(histogram_, 1);
    side->addWidget(fair);

    auto* tests = new QHBoxLayout;
    tests->addWidget(table_, 3);
    tests->addLayout(side, 1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(verdict_);
    page->addWidget(detectable_);
    page->addLayout(tests, 1);
}

void FairnessTestsPage::show(const FairnessReport& report) {
    verdict_->setText(toQString(report.verdict));
    QPalette palette = verdict_->palette();
    palette.setColor(QPalette::WindowText, report.deviation ? kDeviation : kNoDeviation);
    verdict_->setPalette(palette);
    detectable_->setText(
        report.detectable
            ? u"可检出的偏差 ±%1：%2"_s.arg(toQString(shortNumber(*report.detectable)), toQString(detectableText(report)))
            : QString());

    table_->setRowCount(static_cast<int>(report.tests.size()));
    std::vector<double> p;
    const Qt::Alignment number = Qt::AlignRight;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const FairnessTest& test = report.tests[static_cast<std::size_t>(row)];
        if (test.p) p.push_back(*test.p);
        table_->setItem(row, kTest, cell(toQString(testLabel(test.kind)), Qt::AlignLeft));
        table_->setItem(row, kScope, cell(toQString(test.scope), Qt::AlignLeft));
        table_->setItem(row, kStatistic,
                        cell(test.statistic ? toQString(statisticText(*test.statistic)) : u"-"_s, number));
        table_->setItem(row, kDegrees, cell(test.degrees ? QString::number(*test.degrees) : u"-"_s, number));
        table_->setItem(row, kP, cell(numberOr(test.p, u"期数不足"_s), number));
        table_->setItem(row, kAdjusted, cell(numberOr(test.pAdjusted, u"-"_s), number));
        const QString question = toQString(testQuestion(test));
        table_->setItem(row, kQuestion, cell(question, Qt::AlignLeft));
        table_->item(row, kQuestion)->setToolTip(question);
        if (test.pAdjusted && *test.pAdjusted < kDeviationLevel) {
            for (int column = 0; column < kColumns; ++column) table_->item(row, column)->setForeground(kDeviation);
        }
    }
    histogram_->setPValues(p);
}

QString FairnessTestsPage::verdict() const { return verdict_->text(); }

QString FairnessTestsPage::detectable() const { return detectable_->text(); }

}  // namespace quintara::qt
