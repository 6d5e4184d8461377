// A window described as data: one row per control, from which both the Qt
// widgets and the in-memory window are built.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "controls/controls.h"

namespace quintara {

enum class ControlKind {
    Label,
    TransparentLabel,
    Button,
    CheckBox,
    ComboBox,
    ListView,
    Grid,
    Timer,
    PictureBox,
    GroupBox,
    ShapeBox,
    TabControl,
    TabPage,
    StatusBar,
    HtmlViewer,
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Face and character height in pixels; an empty face is the toolkit's
// default face, a height of 0 its default size.
struct FontSpec {
    std::string_view face;
    int pixelSize = 0;
    bool bold = false;
};

struct ColumnSpec {
    std::string_view header;
    int width = 0;
};

struct ControlSpec {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    std::string_view parent;  // empty: the window itself
    Rect rect;
    // Caption of labels, buttons, check boxes, group boxes and tab pages; the
    // start address of an HTML viewer; the image resource of a picture box.
    std::string_view caption;
    FontSpec font;
    std::optional<Rgb> textColour;
    std::optional<Rgb> fill;  // shape boxes' fill, the status bar's background
    bool visible = true;
    bool centred = false;  // text centred in the rectangle
    std::span<const ColumnSpec> columns;     // list views and the grid
    std::span<const std::string_view> items;  // combo boxes
    std::span<const int> partWidths;          // status bar; -1: the rest
    int interval = 0;                         // timers, in milliseconds
    int rows = 0;                             // grid rows at start
    bool checked = false;                     // check boxes
};

struct WindowSpec {
    std::string_view title;
    int clientWidth = 0;
    int clientHeight = 0;
    std::span<const ControlSpec> controls;
};

}  // namespace quintara
