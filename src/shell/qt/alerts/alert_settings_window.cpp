#include "shell/qt/alerts/alert_settings_window.h"

#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

#include "archive/archive_error.h"
#include "shell/qt/platform/text.h"
#include "shell/qt/common/window_placement.h"
#include "stats/row_labels.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

constexpr std::array kConditions{
    std::pair{AlertCondition::Current, "遗漏期数达到"},
    std::pair{AlertCondition::Record, "遗漏达到最大遗漏"},
    std::pair{AlertCondition::Chance, "遗漏概率不超过"},
    std::pair{AlertCondition::Silence, "无新开奖达到"},
};

// The window's size, where the screen has room for it.
constexpr QSize kSize(620, 560);

// The list combo box's data for "every list".
constexpr int kEveryList = -1;

QTableWidget* table(const QStringList& headers) {
    auto* made = new QTableWidget(0, static_cast<int>(headers.size()));
    made->setHorizontalHeaderLabels(headers);
    made->setSelectionBehavior(QAbstractItemView::SelectRows);
    made->setSelectionMode(QAbstractItemView::SingleSelection);
    made->setEditTriggers(QAbstractItemView::NoEditTriggers);
    made->verticalHeader()->hide();
    made->horizontalHeader()->setStretchLastSection(true);
    return made;
}

void appendRow(QTableWidget& into, const QStringList& cells) {
    const int row = into.rowCount();
    into.insertRow(row);
    for (int column = 0; column < cells.size(); ++column) {
        into.setItem(row, column, new QTableWidgetItem(cells[column]));  // owned by the table
    }
}

// What a rule watches, for its row of the table.
QString listCell(const AlertRule& rule) {
    if (!rule.watchesRows()) return u"—"_s;
    return rule.list ? toQString(listTitle(*rule.list)) : u"全部列表"_s;
}

// When an alert fired, as a person reads it (2026-12-09 17:54:45, the time
// of day where it fired); the record's own text where that cannot be read.
QString shownTime(const QString& recorded) {
    const QDateTime time = QDateTime::fromString(recorded, Qt::ISODate);
    return time.isValid() ? time.toString(u"yyyy-MM-dd HH:mm:ss"_s) : recorded;
}

QString itemCell(const AlertRule& rule) {
    if (!rule.watchesRows()) return u"—"_s;
    return rule.item ? toQString(*rule.item) : u"全部"_s;
}

}  // namespace

AlertSettingsWindow::AlertSettingsWindow(Application& application, const QWidget& mainWindow)
    : QWidget(nullptr, Qt::Window), application_(application), mainWindow_(mainWindow) {
    setObjectName(u"预警设置窗口"_s);
    setWindowTitle(u"预警设置"_s);

    // Every widget and layout made here belongs to the window, as Qt's children.
    rulesTable_ = table({u"列表"_s, u"项目"_s, u"条件"_s});
    condition_ = new QComboBox;
    for (const auto& [condition, caption] : kConditions) {
        condition_->addItem(QString::fromUtf8(caption), static_cast<int>(condition));
    }
    list_ = new QComboBox;
    list_->addItem(u"全部列表"_s, kEveryList);
    for (const StatisticsList list : kStatisticsLists) {
        list_->addItem(toQString(listTitle(list)), static_cast<int>(indexOf(list)));
    }
    item_ = new QComboBox;
    draws_ = new QSpinBox;
    draws_->setRange(1, 1'000'000);
    draws_->setValue(20);
    draws_->setSuffix(u" 期"_s);
    percent_ = new QDoubleSpinBox;
    percent_->setRange(0.01, 100);
    percent_->setDecimals(2);
    percent_->setValue(1);
    percent_->setSuffix(u"%"_s);
    minutes_ = new QSpinBox;
    minutes_->setRange(1, 1'000'000);
    minutes_->setValue(10);
    minutes_->setSuffix(u" 分钟"_s);

    auto* editor = new QGridLayout;
    editor->addWidget(new QLabel(u"条件"_s), 0, 0);
    editor->addWidget(condition_, 0, 1);
    editor->addWidget(draws_, 0, 2);
    editor->addWidget(percent_, 0, 2);
    editor->addWidget(minutes_, 0, 2);
    editor->addWidget(new QLabel(u"列表"_s), 1, 0);
    editor->addWidget(list_, 1, 1);
    editor->addWidget(new QLabel(u"项目"_s), 1, 2);
    editor->addWidget(item_, 1, 3);

    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(u"添加"_s);
    auto* replace = new QPushButton(u"修改所选"_s);
    auto* remove = new QPushButton(u"删除所选"_s);
    auto* saveButton = new QPushButton(u"保存并生效"_s);
    for (QPushButton* button : {add, replace, remove}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(saveButton);
    saveNote_ = new QLabel;
    saveNote_->setObjectName(u"保存结果"_s);
    saveNote_->setWordWrap(true);
    saveNote_->setStyleSheet(u"color: rgb(220, 0, 0)"_s);

    log_ = table({u"时间"_s, u"期号"_s, u"预警"_s});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"预警规则"_s));
    layout->addWidget(rulesTable_);
    layout->addLayout(editor);
    layout->addLayout(buttons);
    layout->addWidget(saveNote_);
    layout->addWidget(new QLabel(u"已触发的预警（最新在上）"_s));
    layout->addWidget(log_);
    resize(kSize);

    connect(condition_, &QComboBox::currentIndexChanged, this, [this] { conditionChosen(); });
    connect(list_, &QComboBox::currentIndexChanged, this, [this] { listChosen(); });
    connect(rulesTable_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(rules_.size())) edit(rules_[static_cast<std::size_t>(row)]);
    });
    connect(add, &QPushButton::clicked, this, [this] { addRule(); });
    connect(replace, &QPushButton::clicked, this, [this] { replaceSelectedRule(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeSelectedRule(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    listChosen();
    conditionChosen();
}

void AlertSettingsWindow::open() {
    rules_ = application_.alertRules();
    showRules();
    showLog();
    if (!isVisible()) placeWindowBeside(*this, mainWindow_, kSize);
    show();
    raise();
    activateWindow();
}

AlertRule AlertSettingsWindow::editedRule() const {
    AlertRule rule{.when = static_cast<AlertCondition>(condition_->currentData().toInt())};
    switch (rule.when) {
        case AlertCondition::Current: rule.atLeast = draws_->value(); break;
        case AlertCondition::Chance: rule.atMost = percent_->value() / 100; break;
        case AlertCondition::Silence: rule.minutes = minutes_->value(); return rule;
        case AlertCondition::Record: break;
    }
    if (const int list = list_->currentData().toInt(); list != kEveryList) {
        rule.list = static_cast<StatisticsList>(list);
    }
    if (item_->currentIndex() > 0) rule.item = toUtf8(item_->currentText());
    return rule;
}

void AlertSettingsWindow::edit(const AlertRule& rule) {
    condition_->setCurrentIndex(condition_->findData(static_cast<int>(rule.when)));
    draws_->setValue(rule.atLeast > 0 ? rule.atLeast : draws_->value());
    percent_->setValue(rule.atMost > 0 ? rule.atMost * 100 : percent_->value());
    minutes_->setValue(rule.minutes > 0 ? rule.minutes : minutes_->value());
    list_->setCurrentIndex(list_->findData(rule.list ? static_cast<int>(indexOf(*rule.list)) : kEveryList));
    const int item = rule.item ? item_->findText(toQString(*rule.item)) : 0;
    item_->setCurrentIndex(item < 0 ? 0 : item);
}

void AlertSettingsWindow::addRule() {
    rules_.push_back(editedRule());
    showRules();
    rulesTable_->selectRow(static_cast<int>(rules_.size()) - 1);
}

void AlertSettingsWindow::replaceSelectedRule() {
    const int row = rulesTable_->currentRow();
    if (row < 0 || row >= static_cast<int>(rules_.size())) return;
    rules_[static_cast<std::size_t>(row)] = editedRule();
    showRules();
    rulesTable_->selectRow(row);
}

void AlertSettingsWindow::removeSelectedRule() {
    const int row = rulesTable_->currentRow();
    if (row < 0 || row >= static_cast<int>(rules_.size())) return;
    rules_.erase(rules_.begin() + row);
    showRules();
}

void AlertSettingsWindow::save() {
    // The rules hold for this run either way; the note says when the other
    // program, and the next start, will not have them.
    const std::optional<std::string> failure = application_.changeAlertRules(rules_);
    saveNote_->setText(failure ? u"规则已生效，但未能存入本地开奖库："_s + toQString(*failure) : QString());
    showLog();
}

void AlertSettingsWindow::showRules() {
    const QSignalBlocker quiet(rulesTable_);
    rulesTable_->setRowCount(0);
    for (const AlertRule& rule : rules_) {
        appendRow(*rulesTable_, {listCell(rule), itemCell(rule), toQString(describeRule(rule))});
    }
}

void AlertSettingsWindow::showLog() {
    log_->setRowCount(0);
    DrawArchive* archive = application_.archive();
    if (archive == nullptr) return;
    try {
        for (const std::string& record : archive->alertLog()) {
            const QJsonObject alert =
                QJsonDocument::fromJson(QByteArray::fromStdString(record)).object();
            appendRow(*log_, {shownTime(alert.value(u"time"_s).toString()),
                              alert.value(u"issue"_s).toString(), alert.value(u"text"_s).toString()});
        }
        log_->resizeColumnToContents(0);
        log_->resizeColumnToContents(1);
    } catch (const ArchiveError&) {
        // An archive that cannot be read shows no log; the program says why
        // when it records.
    }
}

void AlertSettingsWindow::listChosen() {
    const QString kept = item_->currentText();
    item_->clear();
    item_->addItem(u"全部"_s);
    const int list = list_->currentData().toInt();
    // Every list's items, when all lists are watched: the digits, pairs and patterns.
    std::vector<StatisticsList> shown;
    if (list == kEveryList) {
        shown = {StatisticsList::Position1Omission, StatisticsList::AllFivePairOmission,
                 StatisticsList::PatternOmission};
    } else {
        shown = {static_cast<StatisticsList>(list)};
    }
    for (const StatisticsList from : shown) {
        for (const std::string_view label : rowLabels(from)) item_->addItem(toQString(label));
    }
    const int again = item_->findText(kept);
    item_->setCurrentIndex(again < 0 ? 0 : again);
}

void AlertSettingsWindow::conditionChosen() {
    const auto condition = static_cast<AlertCondition>(condition_->currentData().toInt());
    draws_->setVisible(condition == AlertCondition::Current);
    percent_->setVisible(condition == AlertCondition::Chance);
    minutes_->setVisible(condition == AlertCondition::Silence);
    list_->setEnabled(condition != AlertCondition::Silence);
    item_->setEnabled(condition != AlertCondition::Silence);
}

}  // namespace quintara::qt
