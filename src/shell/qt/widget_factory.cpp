#include "shell/qt/widget_factory.h"

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

#include "shell/qt/branding.h"
#include "shell/qt/qt_controls.h"
#include "shell/qt/text.h"

namespace quintara::qt {
namespace {

constexpr int kListRowHeight = 18;
constexpr int kGridRowHeight = 18;

void place(QWidget* widget, const ControlSpec& spec) {
    widget->setObjectName(toQString(spec.name));
    widget->setGeometry(spec.rect.left, spec.rect.top, spec.rect.width, spec.rect.height);
    if (spec.font.pixelSize > 0 || !spec.font.face.empty()) {
        widget->setFont(toQFont(spec.font, widget->font()));
    }
    if (spec.textColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, toQColor(*spec.textColour));
        palette.setColor(QPalette::Text, toQColor(*spec.textColour));
        widget->setPalette(palette);
    }
    widget->setVisible(spec.visible);
}

QLabel* makeLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(toQString(spec.caption), parent);  // owned by its parent
    place(label, spec);
    if (spec.centred) label->setAlignment(Qt::AlignCenter);
    return label;
}

MadeControl makeTransparentLabel(const ControlSpec& spec, QWidget* parent) {
    QLabel* label = makeLabel(spec, parent);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return {std::make_unique<QtTransparentLabel>(label), label};
}

MadeControl makeButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new QPushButton(toQString(spec.caption), parent);
    place(button, spec);
    return {std::make_unique<QtButton>(button), button};
}

MadeControl makeCheckBox(const ControlSpec& spec, QWidget* parent) {
    auto* box = new QCheckBox(toQString(spec.caption), parent);
    box->setChecked(spec.checked);
    place(box, spec);
    return {std::make_unique<QtCheckBox>(box), box};
}

MadeControl makeComboBox(const ControlSpec& spec, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(false);
    for (std::string_view item : spec.items) box->addItem(toQString(item));
    box->setCurrentIndex(spec.items.empty() ? -1 : 0);
    place(box, spec);
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
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

MadeControl makeListView(const ControlSpec& spec, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(spec.columns.size()), parent);
    setUpTable(table);
    table->setSortingEnabled(false);
    table->verticalHeader()->setDefaultSectionSize(kListRowHeight);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QStringList headers;
    for (const ColumnSpec& column : spec.columns) headers << toQString(column.header);
    table->setHorizontalHeaderLabels(headers);
    for (int column = 0; column < static_cast<int>(spec.columns.size()); ++column) {
        table->setColumnWidth(column, spec.columns[static_cast<std::size_t>(column)].width);
    }
    QPalette palette = table->palette();
    palette.setColor(QPalette::Base, Qt::white);
    table->setPalette(palette);
    place(table, spec);
    return {std::make_unique<QtListView>(table), table};
}

MadeControl makeGrid(const ControlSpec& spec, QWidget* parent) {
    auto grid = std::make_unique<Grid>(static_cast<int>(spec.columns.size()), spec.rows);
    auto* view = new QTableView(parent);
    auto* model = new GridModel(*grid, view);  // owned by the view, dies before the grid
    view->setModel(model);
    model->setView(view);
    setUpTable(view);
    view->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    place(view, spec);
    return {std::move(grid), view};
}

MadeControl makePictureBox(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(parent);
    place(label, spec);
    label->setAlignment(Qt::AlignCenter);
    if (!spec.caption.empty()) {
        label->setPixmap(brandingImage(spec.caption)
                             .scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return {std::make_unique<QtPictureBox>(label), label};
}

MadeControl makeStatusBar(const ControlSpec& spec, QWidget* parent) {
    auto* bar = new QWidget(parent);
    place(bar, spec);
    if (spec.fill) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, toQColor(*spec.fill));
        bar->setPalette(palette);
        bar->setAutoFillBackground(true);
    }
    std::vector<QLabel*> parts;
    int left = 0;
    for (int width : spec.partWidths) {
        auto* part = new QLabel(bar);
        const int partWidth = width < 0 ? spec.rect.width - left : width;
        part->setGeometry(left, 2, partWidth, spec.rect.height - 2);
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        left += partWidth;
        parts.push_back(part);
    }
    return {std::make_unique<QtStatusBar>(std::move(parts)), bar};
}

MadeControl makeContainer(const ControlSpec& spec, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (spec.kind) {
        case ControlKind::GroupBox:
            widget = new QGroupBox(toQString(spec.caption), parent);
            break;
        case ControlKind::ShapeBox: {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
            if (spec.fill) {
                QPalette palette = frame->palette();
                palette.setColor(QPalette::Window, toQColor(*spec.fill));
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
            tabs->addTab(widget, toQString(spec.caption));  // the tab control owns the page
            widget->setObjectName(toQString(spec.name));
            return {std::make_unique<Container>(), widget};
        }
        default:
            throw std::logic_error("not a container");
    }
    place(widget, spec);
    return {std::make_unique<Container>(), widget};
}

}  // namespace

QFont toQFont(const FontSpec& spec, const QFont& base) {
    QFont font = base;
    if (!spec.face.empty()) font.setFamily(toQString(spec.face));
    if (spec.pixelSize > 0) font.setPixelSize(spec.pixelSize);
    font.setBold(spec.bold);
    return font;
}

MadeControl makeQtControl(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
        case ControlKind::Label: {
            QLabel* label = makeLabel(spec, parent);
            return {std::make_unique<QtLabel>(label), label};
        }
        case ControlKind::TransparentLabel:
            return makeTransparentLabel(spec, parent);
        case ControlKind::Button:
            return makeButton(spec, parent);
        case ControlKind::CheckBox:
            return makeCheckBox(spec, parent);
        case ControlKind::ComboBox:
            return makeComboBox(spec, parent);
        case ControlKind::ListView:
            return makeListView(spec, parent);
        case ControlKind::Grid:
            return makeGrid(spec, parent);
        case ControlKind::Timer: {
            auto timer = std::make_unique<QtTimer>();
            timer->timer().setObjectName(toQString(spec.name));
            timer->setInterval(spec.interval);
            return {std::move(timer), nullptr};
        }
        case ControlKind::PictureBox:
            return makePictureBox(spec, parent);
        case ControlKind::StatusBar:
            return makeStatusBar(spec, parent);
        case ControlKind::HtmlViewer: {
            auto* browser = new QTextBrowser(parent);
            place(browser, spec);
            return {std::make_unique<QtHtmlViewer>(browser), browser};
        }
        case ControlKind::GroupBox:
        case ControlKind::ShapeBox:
        case ControlKind::TabControl:
        case ControlKind::TabPage:
            return makeContainer(spec, parent);
    }
    throw std::logic_error("unknown control kind");
}

}  // namespace quintara::qt
