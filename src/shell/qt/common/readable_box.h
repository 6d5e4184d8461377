// A combo box that reads on any skin.
#pragma once

class QComboBox;
class QWidget;

namespace quintara::qt {

// A combo box with the base's fill and text, not the buttons' (which some
// skins give white text on a light fill).
[[nodiscard]] QComboBox* readableBox(QWidget* parent);

}  // namespace quintara::qt
