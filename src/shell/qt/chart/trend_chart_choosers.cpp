#include "shell/qt/chart/trend_chart_choosers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "shell/qt/chart/chart_style.h"
#include "shell/qt/common/readable_box.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

// The ranges the chart offers: counts of newest draws, day ranges, and an
// issue range.
std::vector<DrawRange> chartRanges() {
    std::vector<DrawRange> ranges;
    for (const int count : kChartSizes) ranges.push_back(DrawRange::lastDraws(count));
    for (const int days : kChartDays) ranges.push_back(DrawRange::lastDays(days));
    ranges.push_back(DrawRange::issues({}, {}));
    return ranges;
}

QLabel* legendSwatch(Temperature temperature, QWidget* parent) {
    auto* swatch = new QLabel(toQString(temperatureLabel(temperature)), parent);
    swatch->setStyleSheet(u"QLabel { background: %1; color: #282828; padding: 1px 5px; }"_s.arg(
        temperatureTint(temperature).name()));
    return swatch;
}

}  // namespace

TrendChartChoosers::TrendChartChoosers(QWidget* parent) : QWidget(parent) {
    views_ = readableBox(this);
    for (const ChartView& view : kChartViews) views_->addItem(toQString(view.name));
    range_ = new RangeChooser(chartRanges(), DrawRange::lastDraws(kDefaultChartSize), kMostChartRows, this);

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(u"视图"_s, this));
    choices->addWidget(views_);
    choices->addSpacing(8);
    choices->addWidget(range_);
    choices->addStretch();

    auto* shown = new QHBoxLayout;
    for (std::size_t at = 0; at < kChartSections.size(); ++at) {
        sections_[at] = new QCheckBox(toQString(sectionName(kChartSections[at])), this);
        shown->addWidget(sections_[at]);
        connect(sections_[at], &QCheckBox::toggled, this, &TrendChartChoosers::optionsChanged);
    }
    shown->addSpacing(12);
    omissions_ = new QCheckBox(u"显示遗漏"_s, this);
    omissions_->setChecked(true);
    lines_ = new QCheckBox(u"显示折线"_s, this);
    lines_->setChecked(true);
    temperature_ = new QCheckBox(u"号温"_s, this);
    for (QCheckBox* box : {omissions_, lines_, temperature_}) {
        shown->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &TrendChartChoosers::lookChanged);
    }
    for (const Temperature temperature : kTemperatures) shown->addWidget(legendSwatch(temperature, this));
    shown->addStretch();

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(choices);
    rows->addLayout(shown);

    viewChosen();
    connect(views_, &QComboBox::currentIndexChanged, this, [this] {
        viewChosen();
        emit optionsChanged();
    });
    connect(range_, &RangeChooser::rangeChanged, this, &TrendChartChoosers::optionsChanged);
}

ChartOptions TrendChartChoosers::options() const {
    ChartOptions options{.view = kChartViews[static_cast<std::size_t>(views_->currentIndex())],
                         .range = range_->range()};
    for (std::size_t at = 0; at < kChartSections.size(); ++at) {
        if (sections_[at]->isChecked()) options.sections.add(kChartSections[at]);
    }
    return options;
}

ChartLook TrendChartChoosers::look() const {
    return {.omissions = omissions_->isChecked(),
            .lines = lines_->isChecked(),
            .temperature = temperature_->isChecked()};
}

void TrendChartChoosers::setView(const ChartView& view) {
    views_->setCurrentIndex(views_->findText(toQString(view.name)));
}

void TrendChartChoosers::setSections(SectionSet sections) {
    // One change for all of them.
    for (std::size_t at = 0; at < kChartSections.size(); ++at) {
        const QSignalBlocker quiet(sections_[at]);
        sections_[at]->setChecked(sections.has(kChartSections[at]));
    }
    emit optionsChanged();
}

void TrendChartChoosers::setRange(const DrawRange& range) { range_->setRange(range); }

// The sections the view lacks cannot be chosen.
void TrendChartChoosers::viewChosen() {
    const SectionSet has = sectionsOf(options().view);
    for (std::size_t at = 0; at < kChartSections.size(); ++at) {
        sections_[at]->setEnabled(has.has(kChartSections[at]));
    }
}

void TrendChartChoosers::showChart(const TrendChart& chart) {
    const bool shown = !chart.rows.empty();
    range_->showShown(shown ? chart.rows.front().issue : std::string_view(),
                      shown ? chart.rows.back().issue : std::string_view(), toQString(shortfallNote(chart)));
}

QString TrendChartChoosers::note() const { return range_->note(); }

}  // namespace quintara::qt
