// The small pictures that the trend chart repeats in every row, each drawn
// once and then copied: a digit on a ball of a colour, and an omission
// number. Copying them is what keeps a repaint while scrolling quick.
#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>
#include <unordered_map>

namespace quintara::qt {

class ChartSprites {
public:
    // A square of `cell` pixels.
    explicit ChartSprites(int cell) : cell_(cell) {}

    [[nodiscard]] const QImage& ball(const QColor& colour, int number);
    // Null for a number too large to keep a picture of: it is drawn as text.
    [[nodiscard]] const QImage* omission(int number);

private:
    [[nodiscard]] QImage blank() const;

    int cell_;
    std::unordered_map<std::uint64_t, QImage> balls_;  // by colour and number
    std::unordered_map<int, QImage> omissions_;
};

}  // namespace quintara::qt
