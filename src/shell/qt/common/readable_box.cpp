#include "shell/qt/common/readable_box.h"

#include <QComboBox>

namespace quintara::qt {

QComboBox* readableBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Button, palette.color(QPalette::Base));
    palette.setColor(QPalette::ButtonText, palette.color(QPalette::Text));
    box->setPalette(palette);
    return box;
}

}  // namespace quintara::qt
