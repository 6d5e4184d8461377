#include "shell/qt/window/qt_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

#include <stdexcept>

#include "shell/qt/window/history_hole_marks.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {

QColor toQColor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

void QtLabel::setCaption(std::string_view caption) { label_->setText(toQString(caption)); }
std::string QtLabel::caption() const { return toUtf8(label_->text()); }

void QtTransparentLabel::setCaption(std::string_view caption) {
    label_->setText(toQString(caption));
}
std::string QtTransparentLabel::caption() const { return toUtf8(label_->text()); }

Rgb QtTransparentLabel::textColour() const {
    const QColor colour = label_->palette().color(QPalette::WindowText);
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

void QtTransparentLabel::setTextColour(Rgb colour) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    label_->setPalette(palette);
}

std::string QtButton::caption() const { return toUtf8(button_->text()); }
bool QtButton::enabled() const { return button_->isEnabled(); }
void QtButton::setEnabled(bool enabled) { button_->setEnabled(enabled); }

void QtButton::onClick(std::function<void()> handler) {
    QObject::disconnect(button_, &QPushButton::clicked, nullptr, nullptr);
    QObject::connect(button_, &QPushButton::clicked, button_,
                     [handler = std::move(handler)] { handler(); });
}

bool QtCheckBox::checked() const { return box_->isChecked(); }
void QtCheckBox::setChecked(bool checked) { box_->setChecked(checked); }

int QtComboBox::selectedIndex() const { return box_->currentIndex(); }
void QtComboBox::setSelectedIndex(int index) { box_->setCurrentIndex(index); }
void QtComboBox::onChoice(std::function<void()> handler) {
    QObject::disconnect(box_, &QComboBox::activated, nullptr, nullptr);
    QObject::connect(box_, &QComboBox::activated, box_, [handler = std::move(handler)] { handler(); });
}

int QtComboBox::itemCount() const { return box_->count(); }
std::string QtComboBox::itemText(int index) const {
    if (index < 0 || index >= box_->count()) throw std::out_of_range("combo box: no such item");
    return toUtf8(box_->itemText(index));
}

void QtListView::deleteAllItems() {
    table_->setRowCount(0);
}

int QtListView::appendItem() {
    const int item = table_->rowCount();
    table_->insertRow(item);
    return item;
}

const QTableWidgetItem* QtListView::cellOf(int item, int column) const {
    if (item < 0 || item >= table_->rowCount() || column < 0 || column >= table_->columnCount()) {
        throw std::out_of_range("list view: no such cell");
    }
    return table_->item(item, column);
}

QTableWidgetItem& QtListView::cellAt(int item, int column) {
    if (cellOf(item, column) == nullptr) {
        table_->setItem(item, column, new QTableWidgetItem);  // owned by the table
    }
    return *table_->item(item, column);
}

void QtListView::setItemText(int item, int column, std::string_view text) {
    cellAt(item, column).setText(toQString(text));
}

void QtListView::setItemToolTip(int item, std::string_view toolTip) {
    const QString text = toQString(toolTip);
    for (int column = 0; column < table_->columnCount(); ++column) {
        cellAt(item, column).setToolTip(text);
    }
}

void QtListView::setItemColour(int item, Rgb colour) {
    const QColor text = toQColor(colour);
    for (int column = 0; column < table_->columnCount(); ++column) cellAt(item, column).setForeground(text);
}

Rgb QtListView::itemColour(int item) const {
    const QTableWidgetItem* cell = cellOf(item, 0);
    if (cell == nullptr || cell->foreground().style() == Qt::NoBrush) return kBlack;
    const QColor text = cell->foreground().color();
    return {static_cast<std::uint8_t>(text.red()), static_cast<std::uint8_t>(text.green()),
            static_cast<std::uint8_t>(text.blue())};
}

std::string QtListView::itemToolTip(int item) const {
    const QTableWidgetItem* cell = cellOf(item, 0);
    return cell == nullptr ? std::string() : toUtf8(cell->toolTip());
}

int QtListView::itemCount() const { return table_->rowCount(); }

std::string QtListView::itemText(int item, int column) const {
    const QTableWidgetItem* cell = cellOf(item, column);
    return cell == nullptr ? std::string() : toUtf8(cell->text());
}

void QtTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (milliseconds > 0) {
        timer_.start(milliseconds);
    } else {
        timer_.stop();
    }
}

void QtTimer::onTick(std::function<void()> handler) {
    QObject::disconnect(&timer_, &QTimer::timeout, nullptr, nullptr);
    QObject::connect(&timer_, &QTimer::timeout, &timer_,
                     [handler = std::move(handler)] { handler(); });
}

void QtPictureBox::setPicture(std::string_view imageBytes) {
    bytes_ = imageBytes;
    QPixmap picture;
    picture.loadFromData(reinterpret_cast<const uchar*>(imageBytes.data()),
                         static_cast<uint>(imageBytes.size()));
    label_->setPixmap(picture.isNull() ? QPixmap()
                                       : picture.scaled(label_->size(), Qt::KeepAspectRatio,
                                                        Qt::SmoothTransformation));
}

void QtHtmlViewer::navigate(std::string_view address) {
    address_ = address;
    // A page still on its way is no longer wanted: its fetch ends here, and
    // an answer it has handed over but not shown yet is dropped.
    fetch_.reset();
    QCoreApplication::removePostedEvents(&handOver_);
    fetching_ = true;
    fetch_.emplace(address_, [this](std::string body) {
        // On the fetch's thread: the page is shown on the GUI thread.
        QMetaObject::invokeMethod(
            &handOver_, [this, body = std::move(body)] { show(body); }, Qt::QueuedConnection);
    });
}

void QtHtmlViewer::show(const std::string& page) {
    fetching_ = false;
    if (browser_) browser_->setHtml(toQString(page));
}

std::size_t QtStatusBar::checkedPart(int part) const {
    if (part < 0 || part >= static_cast<int>(parts_.size())) {
        throw std::out_of_range("status bar: no such part");
    }
    return static_cast<std::size_t>(part);
}

void QtStatusBar::setPartText(int part, std::string_view text) {
    const std::size_t at = checkedPart(part);
    parts_[at]->setText(toQString(text));
    showToolTip(at);
}

std::string QtStatusBar::partText(int part) const { return toUtf8(parts_[checkedPart(part)]->text()); }

void QtStatusBar::setPartToolTip(int part, std::string_view toolTip) {
    const std::size_t at = checkedPart(part);
    toolTips_[at] = toQString(toolTip);
    showToolTip(at);
}

std::string QtStatusBar::partToolTip(int part) const { return toUtf8(toolTips_[checkedPart(part)]); }

void QtStatusBar::showToolTip(std::size_t part) {
    QLabel& label = *parts_[part];
    const int room = label.contentsRect().width() - label.indent();
    QStringList lines;
    if (label.fontMetrics().horizontalAdvance(label.text()) > room) lines << label.text();
    if (!toolTips_[part].isEmpty()) lines << toolTips_[part];
    label.setToolTip(lines.join(u'\n'));
}

GridModel::GridModel(Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    grid_.setObserver(this);
}

GridModel::~GridModel() { grid_.setObserver(nullptr); }

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.rowCount() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.columnCount();
}

QVariant GridModel::cellData(int row, int column, int role) const {
    switch (role) {
        case Qt::DisplayRole:
            return toQString(grid_.cell(row, column));
        case Qt::FontRole: {
            const CellFont& cellFont = grid_.cellFont(row, column);
            QFont font;
            if (!cellFont.name.empty()) font.setFamily(toQString(cellFont.name));
            if (cellFont.size > 0) font.setPixelSize(cellFont.size);
            return font;
        }
        case Qt::ForegroundRole:
            return toQColor(grid_.cellFont(row, column).colour);
        default:
            return {};
    }
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::ToolTipRole || role == kMissingBeforeRole) {
        return holeData(grid_, index.row() + 1, role);
    }
    return cellData(index.row() + 1, index.column(), role);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= grid_.columnCount()) return {};
    return cellData(0, section, role);
}

void GridModel::beginInsertRows(int first, int count) {
    QAbstractTableModel::beginInsertRows({}, first - 1, first + count - 2);
}
void GridModel::endInsertRows() { QAbstractTableModel::endInsertRows(); }

void GridModel::beginRemoveRows(int first, int count) {
    QAbstractTableModel::beginRemoveRows({}, first - 1, first + count - 2);
}
void GridModel::endRemoveRows() { QAbstractTableModel::endRemoveRows(); }

void GridModel::cellsChanged(int firstRow, int lastRow) {
    if (firstRow == 0) emit headerDataChanged(Qt::Horizontal, 0, grid_.columnCount() - 1);
    const int first = std::max(firstRow, 1) - 1;
    const int last = lastRow - 1;
    if (first <= last) emit dataChanged(index(first, 0), index(last, grid_.columnCount() - 1));
}

void GridModel::columnWidthChanged(int column, int width) {
    if (view_) view_->setColumnWidth(column, width);
}

void GridModel::beginReset() { beginResetModel(); }
void GridModel::endReset() { endResetModel(); }

}  // namespace quintara::qt
