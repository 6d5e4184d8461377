#include "shell/qt/chart/chart_style.h"

namespace quintara::qt {

using namespace Qt::StringLiterals;

QColor omissionTextColour() { return {150, 150, 150}; }

QColor temperatureTint(Temperature temperature) {
    switch (temperature) {
        case Temperature::Hot: return {255, 214, 204};
        case Temperature::Warm: return {255, 240, 196};
        case Temperature::Cold: return {210, 228, 250};
    }
    return Qt::white;
}

QFont chartFont(int pixels, bool bold) {
    QFont font(u"微软雅黑"_s);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace quintara::qt
