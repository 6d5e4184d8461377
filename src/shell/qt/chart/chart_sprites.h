// The small pictures that the trend chart repeats in every row, each drawn
// once and then copied: a label on a ball of a colour (a pill where the
// column is wider than a cell), and an omission number.
// Copying them is what keeps a repaint while scrolling quick.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>

#include <cstdint>
#include <unordered_map>

namespace quintara::qt {

class ChartSprites {
public:
    // Every sprite is `height` pixels high.
    explicit ChartSprites(int height) : height_(height) {}

    // A ball `width` pixels wide with the label on it.
    [[nodiscard]] const QImage& ball(const QColor& colour, const QString& label, int width);
    // The number in grey over a cell `width` pixels wide, on nothing: what
    // lies under it shows. Null for a number too large to keep a picture
    // of: it is drawn as text.
    [[nodiscard]] const QImage* omission(int number, int width);

private:
    [[nodiscard]] QImage blank(int width) const;

    int height_;
    // By label, then by colour and width.
    QHash<QString, std::unordered_map<std::uint64_t, QImage>> balls_;
    // By width, then by number.
    std::unordered_map<int, std::unordered_map<int, QImage>> omissions_;
};

}  // namespace quintara::qt
