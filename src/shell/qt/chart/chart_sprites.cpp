#include "shell/qt/chart/chart_sprites.h"

#include <QPainter>

#include "shell/qt/chart/chart_style.h"

namespace quintara::qt {
namespace {

// Omissions up to this many draws get a picture each; larger ones are rare.
constexpr int kLargestKept = 999;

std::uint64_t keyOf(const QColor& colour, int width) {
    return (std::uint64_t{colour.rgba()} << 32) | static_cast<std::uint32_t>(width);
}

}  // namespace

QImage ChartSprites::blank(int width) const {
    QImage image(width, height_, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

const QImage& ChartSprites::ball(const QColor& colour, const QString& label, int width) {
    auto& byColour = balls_[label];
    const std::uint64_t key = keyOf(colour, width);
    auto found = byColour.find(key);
    if (found != byColour.end()) return found->second;
    QImage image = blank(width);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QRectF inside = QRectF(image.rect()).adjusted(2, 2, -2, -2);
    const qreal radius = inside.height() / 2;
    painter.drawRoundedRect(inside, radius, radius);
    painter.setPen(Qt::white);
    painter.setFont(chartFont(kTextPixels));
    painter.drawText(image.rect(), Qt::AlignCenter, label);
    painter.end();
    return byColour.emplace(key, std::move(image)).first->second;
}

const QImage* ChartSprites::omission(int number, int width) {
    if (number < 0 || number > kLargestKept) return nullptr;
    auto& byNumber = omissions_[width];
    auto found = byNumber.find(number);
    if (found != byNumber.end()) return &found->second;
    QImage image = blank(width);
    QPainter painter(&image);
    painter.setPen(omissionTextColour());
    painter.setFont(chartFont(kOmissionPixels));
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(number));
    painter.end();
    return &byNumber.emplace(number, std::move(image)).first->second;
}

}  // namespace quintara::qt
