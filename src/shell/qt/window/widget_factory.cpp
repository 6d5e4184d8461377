#include "shell/qt/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>

#include <stdexcept>

#include "shell/qt/window/branding.h"
#include "shell/qt/window/history_hole_marks.h"
#include "shell/qt/window/qt_controls.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {
namespace {

// Ten rows and the header fit a per-position list of 174 px.
constexpr int kListRowHeight = 15;
constexpr int kListHeaderHeight = 18;
constexpr int kStatusTextIndent = 10;
constexpr int kGridRowHeight = 18;

void place(QWidget* widget, const ControlSpec& row) {
    widget->setObjectName(toQString(row.name));
    widget->setGeometry(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
    if (row.font.pixelSize > 0 || !row.font.face.empty()) {
        widget->setFont(toQFont(row.font, widget->font()));
    }
    if (row.textColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, toQColor(*row.textColour));
        palette.setColor(QPalette::Text, toQColor(*row.textColour));
        widget->setPalette(palette);
    }
    widget->setVisible(row.visible);
}

QLabel* makeLabel(const ControlSpec& row, QWidget* parent) {
    auto* label = new QLabel(toQString(row.caption), parent);  // owned by its parent
    place(label, row);
    if (row.centred) label->setAlignment(Qt::AlignCenter);
    return label;
}

MadeControl makeTransparentLabel(const ControlSpec& row, QWidget* parent) {
    QLabel* label = makeLabel(row, parent);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return {std::make_unique<QtTransparentLabel>(label), label};
}

MadeControl makeButton(const ControlSpec& row, QWidget* parent) {
    auto* button = new QPushButton(toQString(row.caption), parent);
    place(button, row);
    return {std::make_unique<QtButton>(button), button};
}

MadeControl makeCheckBox(const ControlSpec& row, QWidget* parent) {
    auto* box = new QCheckBox(toQString(row.caption), parent);
    box->setChecked(row.checked);
    place(box, row);
    return {std::make_unique<QtCheckBox>(box), box};
}

MadeControl makeComboBox(const ControlSpec& row, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(false);
    for (std::string_view item : row.items) box->addItem(toQString(item));
    box->setCurrentIndex(row.items.empty() ? -1 : 0);
    place(box, row);
    return {std::make_unique<QtComboBox>(box), box};
}

void setUpTable(QTableView* table) {
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setHighlightSections(false);
    table->setShowGrid(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
}

MadeControl makeListView(const ControlSpec& row, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(row.columns.size()), parent);
    setUpTable(table);
    table->setSortingEnabled(false);
    table->verticalHeader()->setMinimumSectionSize(kListRowHeight);
    table->verticalHeader()->setDefaultSectionSize(kListRowHeight);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setFixedHeight(kListHeaderHeight);
    // The columns are laid out to fit: no scroll bar across.
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList headers;
    for (const ColumnSpec& column : row.columns) headers << toQString(column.header);
    table->setHorizontalHeaderLabels(headers);
    for (int column = 0; column < static_cast<int>(row.columns.size()); ++column) {
        table->setColumnWidth(column, row.columns[static_cast<std::size_t>(column)].width);
    }
    QPalette palette = table->palette();
    palette.setColor(QPalette::Base, Qt::white);
    table->setPalette(palette);
    place(table, row);
    return {std::make_unique<QtListView>(table), table};
}

MadeControl makeGrid(const ControlSpec& row, QWidget* parent) {
    auto grid = std::make_unique<Grid>(static_cast<int>(row.columns.size()), row.rows);
    auto* view = new QTableView(parent);
    auto* model = new GridModel(*grid, view);  // owned by the view, dies before the grid
    view->setModel(model);
    model->setView(view);
    setUpTable(view);
    view->setItemDelegate(new HoleRuleDelegate(view));  // owned by the view
    view->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    place(view, row);
    return {std::move(grid), view};
}

MadeControl makePictureBox(const ControlSpec& row, QWidget* parent) {
    auto* label = new QLabel(parent);
    place(label, row);
    label->setAlignment(Qt::AlignCenter);
    if (!row.caption.empty()) {
        label->setPixmap(brandingImage(row.caption)
                             .scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return {std::make_unique<QtPictureBox>(label), label};
}

MadeControl makeStatusBar(const ControlSpec& row, QWidget* parent) {
    auto* bar = new QWidget(parent);
    place(bar, row);
    if (row.fill) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, toQColor(*row.fill));
        bar->setPalette(palette);
        bar->setAutoFillBackground(true);
    }
    std::vector<QLabel*> parts;
    int left = 0;
    for (int width : row.partWidths) {
        auto* part = new QLabel(bar);
        const int partWidth = width < 0 ? row.rect.width - left : width;
        part->setGeometry(left, 2, partWidth, row.rect.height - 2);
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The bar starts left of the window's edge; the text must not.
        part->setIndent(kStatusTextIndent);
        left += partWidth;
        parts.push_back(part);
    }
    return {std::make_unique<QtStatusBar>(std::move(parts)), bar};
}

MadeControl makeContainer(const ControlSpec& row, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (row.kind) {
        case ControlKind::GroupBox:
            widget = new QGroupBox(toQString(row.caption), parent);
            break;
        case ControlKind::ShapeBox: {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
            if (row.fill) {
                QPalette palette = frame->palette();
                palette.setColor(QPalette::Window, toQColor(*row.fill));
                frame->setPalette(palette);
                frame->setAutoFillBackground(true);
                frame->setFrameStyle(QFrame::NoFrame);
            }
            widget = frame;
            break;
        }
        case ControlKind::TabControl:
            widget = new QTabWidget(parent);
            break;
        case ControlKind::TabPage: {
            auto* tabs = qobject_cast<QTabWidget*>(parent);
            if (tabs == nullptr) throw std::logic_error("a tab page outside a tab control");
            widget = new QWidget;
            tabs->addTab(widget, toQString(row.caption));  // the tab control owns the page
            widget->setObjectName(toQString(row.name));
            return {std::make_unique<Container>(), widget};
        }
        default:
            throw std::logic_error("not a container");
    }
    place(widget, row);
    return {std::make_unique<Container>(), widget};
}

}  // namespace

QFont toQFont(const FontSpec& layoutFont, const QFont& base) {
    QFont font = base;
    if (!layoutFont.face.empty()) font.setFamily(toQString(layoutFont.face));
    if (layoutFont.pixelSize > 0) font.setPixelSize(layoutFont.pixelSize);
    font.setBold(layoutFont.bold);
    return font;
}

MadeControl makeQtControl(const ControlSpec& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::Label: {
            QLabel* label = makeLabel(row, parent);
            return {std::make_unique<QtLabel>(label), label};
        }
        case ControlKind::TransparentLabel:
            return makeTransparentLabel(row, parent);
        case ControlKind::Button:
            return makeButton(row, parent);
        case ControlKind::CheckBox:
            return makeCheckBox(row, parent);
        case ControlKind::ComboBox:
            return makeComboBox(row, parent);
        case ControlKind::ListView:
            return makeListView(row, parent);
        case ControlKind::Grid:
            return makeGrid(row, parent);
        case ControlKind::Timer: {
            auto timer = std::make_unique<QtTimer>();
            timer->timer().setObjectName(toQString(row.name));
            timer->setInterval(row.interval);
            return {std::move(timer), nullptr};
        }
        case ControlKind::PictureBox:
            return makePictureBox(row, parent);
        case ControlKind::StatusBar:
            return makeStatusBar(row, parent);
        case ControlKind::HtmlViewer: {
            auto* browser = new QTextBrowser(parent);
            place(browser, row);
            return {std::make_unique<QtHtmlViewer>(browser), browser};
        }
        case ControlKind::GroupBox:
        case ControlKind::ShapeBox:
        case ControlKind::TabControl:
        case ControlKind::TabPage:
            return makeContainer(row, parent);
    }
    throw std::logic_error("unknown control kind");
}

}  // namespace quintara::qt
