#include "shell/qt/common/range_chooser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <utility>

#include "shell/qt/common/readable_box.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

QLineEdit* issueField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(u"\\d{8}-\\d{3}"_s), field));
    field->setPlaceholderText(u"20190101-001"_s);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(u"20190101-0010"_s) + 12);
    return field;
}

bool sameChoice(const DrawRange& offered, const DrawRange& range) {
    return offered.kind == range.kind &&
           (offered.kind == DrawRange::Kind::Issues || offered.kind == DrawRange::Kind::All ||
            offered.count == range.count);
}

}  // namespace

RangeChooser::RangeChooser(std::vector<DrawRange> offered, const DrawRange& chosen,
                           std::optional<std::int64_t> mostIssues, QWidget* parent)
    : QWidget(parent), offered_(std::move(offered)), mostIssues_(mostIssues) {
    ranges_ = readableBox(this);
    for (const DrawRange& range : offered_) ranges_->addItem(toQString(rangeLabel(range)));
    from_ = issueField(this);
    to_ = issueField(this);
    note_ = new QLabel(this);
    note_->setStyleSheet(u"QLabel { color: #c81e1e; }"_s);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(u"范围"_s, this));
    row->addWidget(ranges_);
    row->addWidget(from_);
    row->addWidget(new QLabel(u"至"_s, this));
    row->addWidget(to_);
    row->addWidget(note_);

    const auto first = std::ranges::find_if(offered_, [&chosen](const DrawRange& each) { return sameChoice(each, chosen); });
    ranges_->setCurrentIndex(first == offered_.end() ? 0 : static_cast<int>(first - offered_.begin()));
    from_->setEnabled(issuesChosen());
    to_->setEnabled(issuesChosen());
    connect(ranges_, &QComboBox::currentIndexChanged, this, &RangeChooser::rangeChosen);
    connect(from_, &QLineEdit::editingFinished, this, &RangeChooser::issuesEdited);
    connect(to_, &QLineEdit::editingFinished, this, &RangeChooser::issuesEdited);
}

bool RangeChooser::issuesChosen() const {
    return offered_[static_cast<std::size_t>(ranges_->currentIndex())].kind == DrawRange::Kind::Issues;
}

DrawRange RangeChooser::range() const {
    if (issuesChosen()) return DrawRange::issues(toUtf8(from_->text()), toUtf8(to_->text()));
    return offered_[static_cast<std::size_t>(ranges_->currentIndex())];
}

void RangeChooser::setRange(const DrawRange& range) {
    if (range.kind == DrawRange::Kind::Issues) {
        from_->setText(toQString(range.from));
        to_->setText(toQString(range.to));
    }
    const auto offered = std::ranges::find_if(offered_, [&range](const DrawRange& each) { return sameChoice(each, range); });
    if (offered == offered_.end()) return;
    const int index = static_cast<int>(offered - offered_.begin());
    if (index == ranges_->currentIndex()) {
        rangeChosen();
    } else {
        ranges_->setCurrentIndex(index);
    }
}

void RangeChooser::rangeChosen() {
    from_->setEnabled(issuesChosen());
    to_->setEnabled(issuesChosen());
    if (issuesChosen()) {
        issuesEdited();
    } else {
        emit rangeChanged();
    }
}

// What is wrong with the issue range in the fields, if one is chosen: an
// issue range is taken once both fields hold issues, the first not after the
// last, and no more of them than the range may span.
QString RangeChooser::issueComplaint() const {
    if (!issuesChosen()) return {};
    const auto issues = issueCount(toUtf8(from_->text()), toUtf8(to_->text()));
    if (!issues) return u"期号段有误"_s;
    if (mostIssues_ && *issues > *mostIssues_) return u"期号段最多%1期"_s.arg(*mostIssues_);
    return {};
}

void RangeChooser::issuesEdited() {
    if (!issuesChosen()) return;
    note_->setText(issueComplaint());
    if (note_->text().isEmpty()) emit rangeChanged();
}

void RangeChooser::showShown(std::string_view first, std::string_view last, const QString& shortfall) {
    const QString complaint = issueComplaint();
    note_->setText(complaint.isEmpty() ? shortfall : complaint);
    if (!issuesChosen() && !first.empty()) {
        from_->setText(toQString(first));
        to_->setText(toQString(last));
    }
}

QString RangeChooser::note() const { return note_->text(); }

}  // namespace quintara::qt
