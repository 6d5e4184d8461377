// In-memory implementations of the control kinds, for the tests, the
// benchmarks and the command-line tools. Buttons can be clicked and timers
// ticked by hand.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "controls/layout_spec.h"
#include "controls/window.h"

namespace quintara {

class MemoryLabel : public Label {
public:
    explicit MemoryLabel(std::string_view caption) : caption_(caption) {}
    void setCaption(std::string_view caption) override { caption_ = caption; }
    [[nodiscard]] std::string caption() const override { return caption_; }

private:
    std::string caption_;
};

class MemoryTransparentLabel : public TransparentLabel {
public:
    MemoryTransparentLabel(std::string_view caption, Rgb colour)
        : caption_(caption), colour_(colour) {}
    void setCaption(std::string_view caption) override { caption_ = caption; }
    [[nodiscard]] std::string caption() const override { return caption_; }
    [[nodiscard]] Rgb textColour() const override { return colour_; }
    void setTextColour(Rgb colour) override { colour_ = colour; }

private:
    std::string caption_;
    Rgb colour_;
};

class MemoryButton : public Button {
public:
    explicit MemoryButton(std::string_view caption) : caption_(caption) {}
    [[nodiscard]] std::string caption() const override { return caption_; }
    [[nodiscard]] bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    void onClick(std::function<void()> handler) override { handler_ = std::move(handler); }
    // A click as the user makes it: a disabled button takes none.
    void click() const;

private:
    std::string caption_;
    bool enabled_ = true;
    std::function<void()> handler_;
};

class MemoryCheckBox : public CheckBox {
public:
    explicit MemoryCheckBox(bool checked) : checked_(checked) {}
    [[nodiscard]] bool checked() const override { return checked_; }
    void setChecked(bool checked) override { checked_ = checked; }

private:
    bool checked_;
};

class MemoryComboBox : public ComboBox {
public:
    explicit MemoryComboBox(std::span<const std::string_view> items);
    [[nodiscard]] int selectedIndex() const override { return selected_; }
    void setSelectedIndex(int index) override;
    void onChoice(std::function<void()> handler) override { handler_ = std::move(handler); }
    [[nodiscard]] int itemCount() const override { return static_cast<int>(items_.size()); }
    [[nodiscard]] std::string itemText(int index) const override;
    // A choice as the user makes it: one of the items, then the handler.
    void choose(int index);

private:
    std::vector<std::string> items_;
    int selected_ = -1;
    std::function<void()> handler_;
};

class MemoryListView : public ListView {
public:
    void deleteAllItems() override { items_.clear(); }
    int appendItem() override;
    void setItemText(int item, int column, std::string_view text) override;
    [[nodiscard]] int itemCount() const override { return static_cast<int>(items_.size()); }
    [[nodiscard]] std::string itemText(int item, int column) const override;
    void setItemToolTip(int item, std::string_view toolTip) override;
    [[nodiscard]] std::string itemToolTip(int item) const override;
    void setItemColour(int item, Rgb colour) override;
    [[nodiscard]] Rgb itemColour(int item) const override;

private:
    struct Item {
        std::array<std::string, 2> texts;
        std::string toolTip;
        Rgb colour = kBlack;
    };
    std::vector<Item> items_;
};

class MemoryTimer : public Timer {
public:
    explicit MemoryTimer(int interval) : interval_(interval) {}
    [[nodiscard]] int interval() const override { return interval_; }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    void onTick(std::function<void()> handler) override { handler_ = std::move(handler); }
    // One tick as the running timer gives it; a stopped timer gives none.
    void tick() const;

private:
    int interval_;
    std::function<void()> handler_;
};

class MemoryPictureBox : public PictureBox {
public:
    void setPicture(std::string_view imageBytes) override { picture_ = imageBytes; }
    [[nodiscard]] std::string picture() const override { return picture_; }

private:
    std::string picture_;
};

class MemoryStatusBar : public StatusBar {
public:
    explicit MemoryStatusBar(int partCount) : parts_(static_cast<std::size_t>(partCount)) {}
    void setPartText(int part, std::string_view text) override;
    [[nodiscard]] std::string partText(int part) const override;
    void setPartToolTip(int part, std::string_view toolTip) override;
    [[nodiscard]] std::string partToolTip(int part) const override;

private:
    struct Part {
        std::string text;
        std::string toolTip;
    };
    std::vector<Part> parts_;
};

class MemoryHtmlViewer : public HtmlViewer {
public:
    void navigate(std::string_view address) override { address_ = address; }
    [[nodiscard]] std::string address() const override { return address_; }

private:
    std::string address_;
};

// The in-memory control for one row of a layout table.
[[nodiscard]] std::unique_ptr<Control> makeMemoryControl(const ControlSpec& row);

// A window holding one in-memory control per row of the layout.
[[nodiscard]] std::unique_ptr<Window> makeMemoryWindow(const WindowSpec& layout);

}  // namespace quintara
