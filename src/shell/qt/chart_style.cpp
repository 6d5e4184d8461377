#include "shell/qt/chart_style.h"

#include <QFontMetrics>

#include <algorithm>

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

QFont chartFontFitting(const QStringList& texts, int width, int pixels) {
    // Smaller than this a figure can no longer be read.
    constexpr int kSmallest = 6;
    QFont font = chartFont(pixels);
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        return std::ranges::all_of(texts,
                                   [&](const QString& text) { return metrics.horizontalAdvance(text) <= width; });
    };
    while (font.pixelSize() > kSmallest && !fits()) font.setPixelSize(font.pixelSize() - 1);
    return font;
}

}  // namespace quintara::qt
