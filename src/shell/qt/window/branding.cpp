#include "shell/qt/window/branding.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

const QColor kDeepBlue(16, 52, 110);
const QColor kSkyBlue(58, 132, 214);
const QColor kGold(246, 196, 64);

// Five discs in a row, one per position of a draw.
void paintDigitBalls(QPainter& painter, QRectF area, const QString& digits) {
    const qreal size = std::min(area.height(), area.width() / static_cast<qreal>(digits.size()));
    QFont font(u"Noto Sans CJK SC"_s);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size * 0.55));
    painter.setFont(font);
    for (int k = 0; k < digits.size(); ++k) {
        const QRectF ball(area.left() + k * size + size * 0.08, area.top() + size * 0.08,
                          size * 0.84, size * 0.84);
        QRadialGradient shine(ball.center() - QPointF(size * 0.15, size * 0.15), size * 0.6);
        shine.setColorAt(0, QColor(255, 120, 110));
        shine.setColorAt(1, QColor(190, 20, 20));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shine);
        painter.drawEllipse(ball);
        painter.setPen(Qt::white);
        painter.drawText(ball, Qt::AlignCenter, digits.mid(k, 1));
    }
}

QPixmap paintWide() {
    QPixmap picture(1041, 281);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 1041, 281);
    sky.setColorAt(0, kDeepBlue);
    sky.setColorAt(1, kSkyBlue);
    painter.fillRect(picture.rect(), sky);
    QFont title(u"Noto Sans CJK SC"_s);
    title.setBold(true);
    title.setPixelSize(76);
    painter.setFont(title);
    painter.setPen(kGold);
    painter.drawText(QRect(40, 24, 960, 100), Qt::AlignLeft | Qt::AlignVCenter,
                     u"Quintara 冷热走势"_s);
    QFont subtitle = title;
    subtitle.setBold(false);
    subtitle.setPixelSize(34);
    painter.setFont(subtitle);
    painter.setPen(Qt::white);
    painter.drawText(QRect(44, 128, 600, 50), Qt::AlignLeft | Qt::AlignVCenter,
                     u"遗漏 · 频率 · 胆码 · 形态"_s);
    paintDigitBalls(painter, QRectF(44, 180, 480, 96), u"90517"_s);
    return picture;
}

QPixmap paintLogo(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    QRadialGradient glow(disc.center(), size * 0.5);
    glow.setColorAt(0, kSkyBlue);
    glow.setColorAt(1, kDeepBlue);
    painter.setPen(QPen(kGold, size * 0.04));
    painter.setBrush(glow);
    painter.drawEllipse(disc);
    QFont letter(u"Noto Serif CJK SC"_s);
    letter.setBold(true);
    letter.setPixelSize(static_cast<int>(size * 0.62));
    painter.setFont(letter);
    painter.setPen(kGold);
    painter.drawText(disc, Qt::AlignCenter, u"Q"_s);
    return picture;
}

}  // namespace

QPixmap brandingImage(std::string_view name) {
    if (name == "branding-wide") return paintWide();
    if (name == "branding-logo") return paintLogo(296);
    return {};
}

QIcon windowIcon128() { return QIcon(paintLogo(128)); }

}  // namespace quintara::qt
