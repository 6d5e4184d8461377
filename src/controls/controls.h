// The control kinds of the main window as the core sees them: only the
// operations the program uses, with no toolkit behind them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quintara {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

// Every control has a name (unique in its window); the window hands it out
// by that name.
class Control {
public:
    virtual ~Control() = default;
};

class Label : public Control {
public:
    virtual void setCaption(std::string_view caption) = 0;
    [[nodiscard]] virtual std::string caption() const = 0;
};

// A label drawn without background over its parent, with its own text colour.
class TransparentLabel : public Label {
public:
    [[nodiscard]] virtual Rgb textColour() const = 0;
    virtual void setTextColour(Rgb colour) = 0;
};

class Button : public Control {
public:
    [[nodiscard]] virtual std::string caption() const = 0;
    [[nodiscard]] virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // The click handler; a later call replaces the earlier handler.
    virtual void onClick(std::function<void()> handler) = 0;
};

class CheckBox : public Control {
public:
    [[nodiscard]] virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

// A non-editable drop-down list. The selected index counts from 0; -1 means
// that no item is selected.
class ComboBox : public Control {
public:
    [[nodiscard]] virtual int selectedIndex() const = 0;
    // The program's own choice: the choice handler does not run.
    virtual void setSelectedIndex(int index) = 0;
    // The handler of a choice the user makes, run once the new item is
    // selected; a later call replaces the earlier handler.
    virtual void onChoice(std::function<void()> handler) = 0;
    [[nodiscard]] virtual int itemCount() const = 0;
    [[nodiscard]] virtual std::string itemText(int index) const = 0;
};

// A report view with two columns. Items count from 0 in the order in which
// they were appended.
class ListView : public Control {
public:
    virtual void deleteAllItems() = 0;
    // Appends an item with empty texts and no tool tip, and returns its index.
    virtual int appendItem() = 0;
    virtual void setItemText(int item, int column, std::string_view text) = 0;
    [[nodiscard]] virtual int itemCount() const = 0;
    [[nodiscard]] virtual std::string itemText(int item, int column) const = 0;
    // What hovering over either column of the item shows.
    virtual void setItemToolTip(int item, std::string_view toolTip) = 0;
    [[nodiscard]] virtual std::string itemToolTip(int item) const = 0;
    // The colour of both columns' text; black until set.
    virtual void setItemColour(int item, Rgb colour) = 0;
    [[nodiscard]] virtual Rgb itemColour(int item) const = 0;
};

// A timer ticks every `interval` milliseconds; 0 stops it. Setting the
// interval restarts the countdown.
class Timer : public Control {
public:
    [[nodiscard]] virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual void onTick(std::function<void()> handler) = 0;
};

class PictureBox : public Control {
public:
    // Takes the bytes of an image file (GIF or JPEG); empty bytes clear it.
    virtual void setPicture(std::string_view imageBytes) = 0;
    [[nodiscard]] virtual std::string picture() const = 0;
};

class StatusBar : public Control {
public:
    virtual void setPartText(int part, std::string_view text) = 0;
    [[nodiscard]] virtual std::string partText(int part) const = 0;
    // What hovering over the part shows, lines separated by "\n"; a part
    // whose text does not fit shows that text whole above them. partToolTip
    // gives what was set.
    virtual void setPartToolTip(int part, std::string_view toolTip) = 0;
    [[nodiscard]] virtual std::string partToolTip(int part) const = 0;
};

class HtmlViewer : public Control {
public:
    virtual void navigate(std::string_view address) = 0;
    [[nodiscard]] virtual std::string address() const = 0;
};

// Group boxes, shape boxes, tab controls and tab pages only hold other
// controls; the program calls nothing on them.
class Container : public Control {};

}  // namespace quintara
