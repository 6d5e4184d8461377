#include "shell/qt/chart_sprites.h"

#include <QPainter>

#include "shell/qt/chart_style.h"

namespace quintara::qt {
namespace {

// Omissions up to this many draws get a picture each; larger ones are rare.
constexpr int kLargestKept = 999;

}  // namespace

QImage ChartSprites::blank() const {
    QImage image(cell_, cell_, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

const QImage& ChartSprites::ball(const QColor& colour, int number) {
    const std::uint64_t key = (std::uint64_t{colour.rgb()} << 32) | static_cast<std::uint32_t>(number);
    auto found = balls_.find(key);
    if (found != balls_.end()) return found->second;
    QImage image = blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(image.rect()).adjusted(2, 2, -2, -2));
    painter.setPen(Qt::white);
    painter.setFont(chartFont(12));
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(number));
    painter.end();
    return balls_.emplace(key, std::move(image)).first->second;
}

const QImage* ChartSprites::omission(int number) {
    if (number < 0 || number > kLargestKept) return nullptr;
    auto found = omissions_.find(number);
    if (found != omissions_.end()) return &found->second;
    QImage image = blank();
    QPainter painter(&image);
    painter.setPen(omissionTextColour());
    painter.setFont(chartFont(11));
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(number));
    painter.end();
    return &omissions_.emplace(number, std::move(image)).first->second;
}

}  // namespace quintara::qt
