#include "shell/qt/chart_style.h"

namespace quintara::qt {

using namespace Qt::StringLiterals;

QColor omissionTextColour() { return {150, 150, 150}; }

QFont chartFont(int pixels, bool bold) {
    QFont font(u"微软雅黑"_s);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace quintara::qt
