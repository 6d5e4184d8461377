// Qt adapters of the control kinds: each wraps one widget (or timer) that
// the main window owns, and carries out the core's operations on it.
#pragma once

#include <QAbstractTableModel>
#include <QLabel>
#include <QPointer>
#include <QTableView>
#include <QTableWidgetItem>
#include <QTextBrowser>
#include <QTimer>

#include <optional>

#include "controls/controls.h"
#include "controls/grid.h"
#include "net/page_fetch.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTableWidget;

namespace quintara::qt {

QColor toQColor(Rgb colour);

class QtLabel : public Label {
public:
    explicit QtLabel(QLabel* label) : label_(label) {}
    void setCaption(std::string_view caption) override;
    [[nodiscard]] std::string caption() const override;

private:
    QLabel* label_;
};

class QtTransparentLabel : public TransparentLabel {
public:
    explicit QtTransparentLabel(QLabel* label) : label_(label) {}
    void setCaption(std::string_view caption) override;
    [[nodiscard]] std::string caption() const override;
    [[nodiscard]] Rgb textColour() const override;
    void setTextColour(Rgb colour) override;

private:
    QLabel* label_;
};

class QtButton : public Button {
public:
    explicit QtButton(QPushButton* button) : button_(button) {}
    [[nodiscard]] std::string caption() const override;
    [[nodiscard]] bool enabled() const override;
    void setEnabled(bool enabled) override;
    void onClick(std::function<void()> handler) override;

private:
    QPushButton* button_;
};

class QtCheckBox : public CheckBox {
public:
    explicit QtCheckBox(QCheckBox* box) : box_(box) {}
    [[nodiscard]] bool checked() const override;
    void setChecked(bool checked) override;

private:
    QCheckBox* box_;
};

class QtComboBox : public ComboBox {
public:
    explicit QtComboBox(QComboBox* box) : box_(box) {}
    [[nodiscard]] int selectedIndex() const override;
    void setSelectedIndex(int index) override;
    // Runs on the box's activation, which only the user's choice gives.
    void onChoice(std::function<void()> handler) override;
    [[nodiscard]] int itemCount() const override;
    [[nodiscard]] std::string itemText(int index) const override;

private:
    QComboBox* box_;
};

class QtListView : public ListView {
public:
    explicit QtListView(QTableWidget* table) : table_(table) {}
    void deleteAllItems() override;
    int appendItem() override;
    void setItemText(int item, int column, std::string_view text) override;
    [[nodiscard]] int itemCount() const override;
    [[nodiscard]] std::string itemText(int item, int column) const override;
    // Both cells of the row show it.
    void setItemToolTip(int item, std::string_view toolTip) override;
    [[nodiscard]] std::string itemToolTip(int item) const override;
    void setItemColour(int item, Rgb colour) override;
    [[nodiscard]] Rgb itemColour(int item) const override;

private:
    // The cell, null while nothing was written into it; out of range throws.
    [[nodiscard]] const QTableWidgetItem* cellOf(int item, int column) const;
    // The cell, made when it is not there yet.
    [[nodiscard]] QTableWidgetItem& cellAt(int item, int column);

    QTableWidget* table_;
};

class QtTimer : public Timer {
public:
    [[nodiscard]] int interval() const override { return interval_; }
    void setInterval(int milliseconds) override;
    void onTick(std::function<void()> handler) override;
    [[nodiscard]] QTimer& timer() { return timer_; }

private:
    QTimer timer_;
    int interval_ = 0;
};

class QtPictureBox : public PictureBox {
public:
    explicit QtPictureBox(QLabel* label) : label_(label) {}
    void setPicture(std::string_view imageBytes) override;
    [[nodiscard]] std::string picture() const override { return bytes_; }

private:
    QLabel* label_;
    std::string bytes_;
};

class QtStatusBar : public StatusBar {
public:
    explicit QtStatusBar(std::vector<QLabel*> parts)
        : parts_(std::move(parts)), toolTips_(parts_.size()) {}
    void setPartText(int part, std::string_view text) override;
    [[nodiscard]] std::string partText(int part) const override;
    void setPartToolTip(int part, std::string_view toolTip) override;
    [[nodiscard]] std::string partToolTip(int part) const override;

private:
    [[nodiscard]] std::size_t checkedPart(int part) const;
    // The label's tool tip: its text when the text does not fit, then what
    // was set.
    void showToolTip(std::size_t part);

    std::vector<QLabel*> parts_;
    std::vector<QString> toolTips_;
};

// The hidden HTML viewer. It fetches the page it is sent to on a thread of
// its own, so the window never waits for it, and shows the page when it
// arrives. A fetch for an earlier address, or of a viewer that is gone, is
// stopped before it shows anything.
class QtHtmlViewer : public HtmlViewer {
public:
    explicit QtHtmlViewer(QTextBrowser* browser) : browser_(browser) {}
    void navigate(std::string_view address) override;
    [[nodiscard]] std::string address() const override { return address_; }
    // From navigate until the fetch's answer, the page or nothing when it
    // could not be fetched, has been shown.
    [[nodiscard]] bool fetching() const { return fetching_; }

private:
    void show(const std::string& page);

    QPointer<QTextBrowser> browser_;  // the window's, which may go first
    std::string address_;
    bool fetching_ = false;
    // The fetch hands its answer to the GUI thread through this object: an
    // answer not shown yet goes with it.
    QObject handOver_;
    std::optional<PageFetch> fetch_;  // the page on its way; stopped before handOver_ goes
};

// The table model over the draw history grid: row 0 of the grid is the
// header, rows 1 and on are the model's rows 0 and on. A row after a hole
// says so (shell/qt/history_hole_marks.h).
class GridModel : public QAbstractTableModel, public GridObserver {
    Q_OBJECT

public:
    explicit GridModel(Grid& grid, QObject* parent);
    ~GridModel() override;

    [[nodiscard]] int rowCount(const QModelIndex& parent) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    void beginInsertRows(int first, int count) override;
    void endInsertRows() override;
    void beginRemoveRows(int first, int count) override;
    void endRemoveRows() override;
    void cellsChanged(int firstRow, int lastRow) override;
    void columnWidthChanged(int column, int width) override;
    void beginReset() override;
    void endReset() override;

    void setView(QTableView* view) { view_ = view; }

private:
    [[nodiscard]] QVariant cellData(int row, int column, int role) const;

    Grid& grid_;
    QPointer<QTableView> view_;
};

}  // namespace quintara::qt
