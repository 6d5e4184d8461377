#include "shell/qt/fairness/p_value_histogram.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "shell/qt/fairness/fair_line.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

constexpr int kMargin = 24;
const QColor kBarFill(90, 140, 200);

}  // namespace

PValueHistogram::PValueHistogram(QWidget* parent) : QWidget(parent) {
    setMinimumSize(220, 180);
    setToolTip(u"公平的游戏里，p值在0到1之间均匀分布：各柱应与虚线差不多高。"_s);
}

void PValueHistogram::setPValues(const std::vector<double>& p) {
    bins_.fill(0);
    for (const double value : p) {
        ++bins_[static_cast<std::size_t>(std::clamp(static_cast<int>(value * kBins), 0, kBins - 1))];
    }
    fairHeight_ = static_cast<double>(p.size()) / kBins;
    update();
}

void PValueHistogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF plot = QRectF(rect()).adjusted(kMargin, 2 * kMargin, -kMargin / 2.0, -kMargin);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(0, 0, width(), kMargin), Qt::AlignCenter, u"各检验p值的分布"_s);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (const double tick : {0.0, 0.5, 1.0}) {
        const double x = plot.left() + tick * plot.width();
        painter.drawText(QRectF(x - 20, plot.bottom() + 2, 40, kMargin - 2), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(tick));
    }

    const int tallest = std::max(*std::ranges::max_element(bins_), static_cast<int>(std::ceil(fairHeight_)));
    if (tallest == 0) return;
    const double perCount = plot.height() / (tallest * 1.1);
    const double binWidth = plot.width() / kBins;
    for (int bin = 0; bin < kBins; ++bin) {
        const double height = bins_[static_cast<std::size_t>(bin)] * perCount;
        const QRectF bar(plot.left() + bin * binWidth + 1, plot.bottom() - height, binWidth - 2, height);
        painter.fillRect(bar, kBarFill);
        if (bins_[static_cast<std::size_t>(bin)] > 0) {
            painter.drawText(QRectF(bar.left(), bar.top() - 16, bar.width(), 16), Qt::AlignHCenter | Qt::AlignBottom,
                             QString::number(bins_[static_cast<std::size_t>(bin)]));
        }
    }
    painter.setPen(QPen(kFairLine, 2, Qt::DashLine));
    const double fairY = plot.bottom() - fairHeight_ * perCount;
    painter.drawLine(QPointF(plot.left(), fairY), QPointF(plot.right(), fairY));
    painter.drawText(QRectF(0, kMargin, width(), kMargin), Qt::AlignCenter,
                     u"虚线：公平时每柱约%1个"_s.arg(fairHeight_, 0, 'g', 3));
}

}  // namespace quintara::qt
