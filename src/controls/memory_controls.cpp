#include "controls/memory_controls.h"

#include <stdexcept>

namespace quintara {
namespace {

template <typename Items>
auto& checkedAt(Items& items, int index, const char* what) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) throw std::out_of_range(what);
    return items[static_cast<std::size_t>(index)];
}

}  // namespace

void MemoryButton::click() const {
    if (enabled_ && handler_) handler_();
}

MemoryComboBox::MemoryComboBox(std::span<const std::string_view> items)
    : items_(items.begin(), items.end()), selected_(items.empty() ? -1 : 0) {}

void MemoryComboBox::setSelectedIndex(int index) {
    selected_ = index >= 0 && index < itemCount() ? index : -1;
}

void MemoryComboBox::choose(int index) {
    checkedAt(items_, index, "combo box: no such item");
    selected_ = index;
    if (handler_) handler_();
}

std::string MemoryComboBox::itemText(int index) const {
    return checkedAt(items_, index, "combo box: no such item");
}

int MemoryListView::appendItem() {
    items_.emplace_back();
    return itemCount() - 1;
}

void MemoryListView::setItemText(int item, int column, std::string_view text) {
    checkedAt(checkedAt(items_, item, "list view: no such item").texts, column,
              "list view: no such column") = text;
}

std::string MemoryListView::itemText(int item, int column) const {
    return checkedAt(checkedAt(items_, item, "list view: no such item").texts, column,
                     "list view: no such column");
}

void MemoryListView::setItemToolTip(int item, std::string_view toolTip) {
    checkedAt(items_, item, "list view: no such item").toolTip = toolTip;
}

void MemoryListView::setItemColour(int item, Rgb colour) {
    checkedAt(items_, item, "list view: no such item").colour = colour;
}

Rgb MemoryListView::itemColour(int item) const { return checkedAt(items_, item, "list view: no such item").colour; }

std::string MemoryListView::itemToolTip(int item) const {
    return checkedAt(items_, item, "list view: no such item").toolTip;
}

void MemoryTimer::tick() const {
    if (interval_ > 0 && handler_) handler_();
}

void MemoryStatusBar::setPartText(int part, std::string_view text) {
    checkedAt(parts_, part, "status bar: no such part").text = text;
}

std::string MemoryStatusBar::partText(int part) const {
    return checkedAt(parts_, part, "status bar: no such part").text;
}

void MemoryStatusBar::setPartToolTip(int part, std::string_view toolTip) {
    checkedAt(parts_, part, "status bar: no such part").toolTip = toolTip;
}

std::string MemoryStatusBar::partToolTip(int part) const {
    return checkedAt(parts_, part, "status bar: no such part").toolTip;
}

std::unique_ptr<Control> makeMemoryControl(const ControlSpec& row) {
    switch (row.kind) {
        case ControlKind::Label:
            return std::make_unique<MemoryLabel>(row.caption);
        case ControlKind::TransparentLabel:
            return std::make_unique<MemoryTransparentLabel>(row.caption,
                                                            row.textColour.value_or(kBlack));
        case ControlKind::Button:
            return std::make_unique<MemoryButton>(row.caption);
        case ControlKind::CheckBox:
            return std::make_unique<MemoryCheckBox>(row.checked);
        case ControlKind::ComboBox:
            return std::make_unique<MemoryComboBox>(row.items);
        case ControlKind::ListView:
            return std::make_unique<MemoryListView>();
        case ControlKind::Grid:
            return std::make_unique<Grid>(static_cast<int>(row.columns.size()), row.rows);
        case ControlKind::Timer:
            return std::make_unique<MemoryTimer>(row.interval);
        case ControlKind::PictureBox:
            return std::make_unique<MemoryPictureBox>();
        case ControlKind::StatusBar:
            return std::make_unique<MemoryStatusBar>(static_cast<int>(row.partWidths.size()));
        case ControlKind::HtmlViewer:
            return std::make_unique<MemoryHtmlViewer>();
        case ControlKind::GroupBox:
        case ControlKind::ShapeBox:
        case ControlKind::TabControl:
        case ControlKind::TabPage:
            return std::make_unique<Container>();
    }
    throw std::logic_error("unknown control kind");
}

std::unique_ptr<Window> makeMemoryWindow(const WindowSpec& layout) {
    auto window = std::make_unique<Window>();
    for (const ControlSpec& row : layout.controls) window->add(row.name, makeMemoryControl(row));
    return window;
}

}  // namespace quintara
