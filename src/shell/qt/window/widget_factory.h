// Makes the widget for one row of the layout table and the adapter through
// which the core reaches it.
#pragma once

#include <QWidget>

#include <memory>

#include "controls/controls.h"
#include "controls/layout_spec.h"

namespace quintara::qt {

struct MadeControl {
    std::unique_ptr<Control> control;
    QWidget* widget = nullptr;  // none for a timer
};

// `parent` is the widget of the row's parent (the window for top-level rows).
[[nodiscard]] MadeControl makeQtControl(const ControlSpec& row, QWidget* parent);

// The face, pixel height and weight of a layout font.
[[nodiscard]] QFont toQFont(const FontSpec& layoutFont, const QFont& base);

}  // namespace quintara::qt
