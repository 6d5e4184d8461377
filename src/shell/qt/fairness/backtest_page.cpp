#include "shell/qt/fairness/backtest_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "fairness/fairness_test.h"
#include "fairness/five_digits.h"
#include "shell/qt/fairness/hit_rate_chart.h"
#include "shell/qt/common/readable_box.h"
#include "shell/qt/platform/text.h"
#include "text/numbers.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

QSpinBox* spinBox(int least, int most, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(least, most);
    box->setValue(value);
    return box;
}

QString percentOr(const std::optional<double>& share) { return share ? toQString(percentText(*share)) : u"-"_s; }

}  // namespace

BacktestPage::BacktestPage(QWidget* parent) : QWidget(parent) {
    rule_ = readableBox(this);
    for (const BacktestRule rule : {BacktestRule::Cold, BacktestRule::Hot}) {
        rule_->addItem(toQString(std::string(ruleLabel(rule)) + "（" + std::string(ruleName(rule)) + "）"));
    }
    rule_->setToolTip(u"冷号：押注该位上遗漏最久的k个数字；热号：押注前W期里出现最多的k个数字。同样多时取较小的数字。"_s);
    position_ = readableBox(this);
    for (int position = 0; position < kPositions; ++position) position_->addItem(toQString(positionName(position)));
    const BacktestRequest standard;
    k_ = spinBox(1, kDigits - 1, standard.k, this);
    window_ = spinBox(1, kMostHotWindow, standard.window, this);
    window_->setEnabled(false);

    auto* choices = new QHBoxLayout;
    const auto add = [this, choices](const QString& caption, QWidget* chooser) {
        choices->addWidget(new QLabel(caption, this));
        choices->addWidget(chooser);
        choices->addSpacing(8);
    };
    add(u"规则"_s, rule_);
    add(u"位置"_s, position_);
    add(u"每期押k个数字"_s, k_);
    add(u"热号窗口（期）"_s, window_);
    choices->addStretch();

    figures_ = new QLabel(this);
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    verdict_ = new QLabel(this);
    verdict_->setWordWrap(true);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    chart_ = new HitRateChart(this);

    auto* page = new QVBoxLayout(this);
    page->addLayout(choices);
    page->addWidget(verdict_);
    page->addWidget(figures_);
    page->addWidget(chart_, 1);

    connect(rule_, &QComboBox::currentIndexChanged, this, [this] {
        window_->setEnabled(request().rule == BacktestRule::Hot);
        emit requestChanged();
    });
    connect(position_, &QComboBox::currentIndexChanged, this, &BacktestPage::requestChanged);
    connect(k_, &QSpinBox::valueChanged, this, &BacktestPage::requestChanged);
    connect(window_, &QSpinBox::valueChanged, this, &BacktestPage::requestChanged);
}

BacktestRequest BacktestPage::request() const {
    return {.rule = rule_->currentIndex() == 0 ? BacktestRule::Cold : BacktestRule::Hot,
            .position = position_->currentIndex(),
            .k = k_->value(),
            .window = window_->value()};
}

void BacktestPage::setRequest(const BacktestRequest& request) {
    {
        // One change for all of them.
        const QSignalBlocker quietRule(rule_);
        const QSignalBlocker quietPosition(position_);
        const QSignalBlocker quietK(k_);
        const QSignalBlocker quietWindow(window_);
        rule_->setCurrentIndex(request.rule == BacktestRule::Cold ? 0 : 1);
        position_->setCurrentIndex(request.position);
        k_->setValue(request.k);
        window_->setValue(request.window);
        window_->setEnabled(request.rule == BacktestRule::Hot);
    }
    emit requestChanged();
}

void BacktestPage::show(const BacktestResult& result) {
    verdict_->setText(toQString(result.verdict));
    figures_->setText(u"下注 %1 次，命中 %2 次　命中率 %3（公平 %4）　95%区间 %5 – %6　p值 %7　最长连续未中 %8 次"_s
                          .arg(result.bets)
                          .arg(result.hits)
                          .arg(percentOr(result.rate), toQString(percentText(result.baseline)), percentOr(result.ciLow),
                               percentOr(result.ciHigh), result.p ? toQString(shortNumber(*result.p)) : u"-"_s)
                          .arg(result.longestMiss));
    chart_->setOutcomes(result.outcomes, result.baseline);
}

QString BacktestPage::figures() const { return figures_->text(); }

QString BacktestPage::verdict() const { return verdict_->text(); }

}  // namespace quintara::qt
