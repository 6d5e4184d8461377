#include "shell/qt/trend_chart_choosers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "shell/qt/chart_style.h"
#include "shell/qt/text.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

// A box that reads on any skin: the base's fill and text, not the buttons'
// (which some skins give white text on a light fill).
QComboBox* readableBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Button, palette.color(QPalette::Base));
    palette.setColor(QPalette::ButtonText, palette.color(QPalette::Text));
    box->setPalette(palette);
    return box;
}

QLineEdit* issueField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(u"\\d{8}-\\d{3}"_s), field));
    field->setPlaceholderText(u"20190101-001"_s);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(u"20190101-0010"_s) + 12);
    return field;
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
    ranges_ = readableBox(this);
    addRanges();
    from_ = issueField(this);
    to_ = issueField(this);
    note_ = new QLabel(this);
    note_->setStyleSheet(u"QLabel { color: #c81e1e; }"_s);

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(u"视图"_s, this));
    choices->addWidget(views_);
    choices->addSpacing(8);
    choices->addWidget(new QLabel(u"范围"_s, this));
    choices->addWidget(ranges_);
    choices->addWidget(from_);
    choices->addWidget(new QLabel(u"至"_s, this));
    choices->addWidget(to_);
    choices->addWidget(note_);
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

    ranges_->setCurrentIndex(
        static_cast<int>(std::ranges::find(kChartSizes, kDefaultChartSize) - kChartSizes.begin()));
    from_->setEnabled(false);
    to_->setEnabled(false);
    viewChosen();
    connect(views_, &QComboBox::currentIndexChanged, this, [this] {
        viewChosen();
        emit optionsChanged();
    });
    connect(ranges_, &QComboBox::currentIndexChanged, this, &TrendChartChoosers::rangeChosen);
    connect(from_, &QLineEdit::editingFinished, this, &TrendChartChoosers::issuesEdited);
    connect(to_, &QLineEdit::editingFinished, this, &TrendChartChoosers::issuesEdited);
}

void TrendChartChoosers::addRanges() {
    for (const int count : kChartSizes) offered_.push_back(ChartRange::lastDraws(count));
    for (const int days : kChartDays) offered_.push_back(ChartRange::lastDays(days));
    offered_.push_back(ChartRange::issues({}, {}));
    for (const ChartRange& range : offered_) ranges_->addItem(toQString(rangeLabel(range)));
}

bool TrendChartChoosers::issuesChosen() const {
    return offered_[static_cast<std::size_t>(ranges_->currentIndex())].kind == ChartRange::Kind::Issues;
}

ChartOptions TrendChartChoosers::options() const {
    ChartOptions options{.view = kChartViews[static_cast<std::size_t>(views_->currentIndex())],
                         .range = offered_[static_cast<std::size_t>(ranges_->currentIndex())]};
    for (std::size_t at = 0; at < kChartSections.size(); ++at) {
        if (sections_[at]->isChecked()) options.sections.add(kChartSections[at]);
    }
    if (issuesChosen()) options.range = ChartRange::issues(toUtf8(from_->text()), toUtf8(to_->text()));
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

void TrendChartChoosers::setRange(const ChartRange& range) {
    if (range.kind == ChartRange::Kind::Issues) {
        from_->setText(toQString(range.from));
        to_->setText(toQString(range.to));
    }
    const auto offered = std::ranges::find_if(offered_, [&range](const ChartRange& each) {
        return each.kind == range.kind &&
               (each.kind == ChartRange::Kind::Issues || each.count == range.count);
    });
    if (offered == offered_.end()) return;
    const int index = static_cast<int>(offered - offered_.begin());
    if (index == ranges_->currentIndex()) {
        rangeChosen();
    } else {
        ranges_->setCurrentIndex(index);
    }
}

// The sections the view lacks cannot be chosen.
void TrendChartChoosers::viewChosen() {
    const SectionSet has = sectionsOf(options().view);
    for (std::size_t at = 0; at < kChartSections.size(); ++at) {
        sections_[at]->setEnabled(has.has(kChartSections[at]));
    }
}

void TrendChartChoosers::rangeChosen() {
    from_->setEnabled(issuesChosen());
    to_->setEnabled(issuesChosen());
    if (issuesChosen()) {
        issuesEdited();
    } else {
        emit optionsChanged();
    }
}

// What is wrong with the issue range in the fields, if one is chosen: an
// issue range is taken once both fields hold issues, the first not after the
// last, and no more of them than a chart shows.
QString TrendChartChoosers::issueComplaint() const {
    if (!issuesChosen()) return {};
    const auto issues = issueCount(toUtf8(from_->text()), toUtf8(to_->text()));
    if (!issues) return u"期号段有误"_s;
    if (*issues > kMostChartRows) return u"期号段最多%1期"_s.arg(kMostChartRows);
    return {};
}

void TrendChartChoosers::issuesEdited() {
    if (!issuesChosen()) return;
    note_->setText(issueComplaint());
    if (note_->text().isEmpty()) emit optionsChanged();
}

void TrendChartChoosers::showChart(const TrendChart& chart) {
    const QString complaint = issueComplaint();
    note_->setText(complaint.isEmpty() ? toQString(shortfallNote(chart)) : complaint);
    if (!issuesChosen() && !chart.rows.empty()) {
        from_->setText(toQString(chart.rows.front().issue));
        to_->setText(toQString(chart.rows.back().issue));
    }
}

QString TrendChartChoosers::note() const { return note_->text(); }

}  // namespace quintara::qt
