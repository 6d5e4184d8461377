#include "shell/qt/fairness/hit_rate_chart.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "fairness/backtest.h"
#include "shell/qt/fairness/fair_line.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

constexpr int kLeft = 52;
constexpr int kTop = 28;
constexpr int kRight = 16;
constexpr int kBottom = 36;
// The rates shown: the fair band after this many bets, around the fair rate.
constexpr double kBetsInView = 10;

const QColor kRateLine(30, 90, 170);
const QColor kBandFill(240, 200, 120, 110);

QString percent(double share) { return QString::number(share * 100, 'f', 1) + u'%'; }

// Where the bets and the rates stand in the plot.
class Axes {
public:
    Axes(const QRectF& plot, double bets, double low, double high)
        : plot_(plot), logBets_(std::log10(std::max(bets, 2.0))), low_(low), high_(high) {}

    // The bet at the pixel column `x` of the plot, 1 to the last.
    [[nodiscard]] double betAt(double x) const {
        return std::round(std::pow(10.0, (x - plot_.left()) / plot_.width() * logBets_));
    }
    [[nodiscard]] double xOf(double bet) const { return plot_.left() + std::log10(bet) / logBets_ * plot_.width(); }
    [[nodiscard]] double yOf(double rate) const {
        return plot_.bottom() - (rate - low_) / (high_ - low_) * plot_.height();
    }

private:
    QRectF plot_;
    double logBets_;
    double low_;
    double high_;
};

}  // namespace

HitRateChart::HitRateChart(QWidget* parent) : QWidget(parent) { setMinimumSize(360, 220); }

void HitRateChart::setOutcomes(const std::vector<bool>& outcomes, double baseline) {
    baseline_ = baseline;
    rates_.clear();
    rates_.reserve(outcomes.size());
    double hits = 0;
    for (const bool hit : outcomes) {
        if (hit) ++hits;
        rates_.push_back(hits / static_cast<double>(rates_.size() + 1));
    }
    update();
}

double HitRateChart::fairHalfWidth(double bets) const {
    return kWilsonZ * std::sqrt(baseline_ * (1 - baseline_) / bets);
}

void HitRateChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    if (rates_.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, u"没有下注"_s);
        return;
    }
    const QRectF plot = QRectF(rect()).adjusted(kLeft, kTop, -kRight, -kBottom);
    const double low = std::max(0.0, baseline_ - fairHalfWidth(kBetsInView));
    const double high = std::min(1.0, baseline_ + fairHalfWidth(kBetsInView));
    const auto bets = static_cast<double>(rates_.size());
    const Axes axes(plot, bets, low, high);
    painter.save();
    painter.setClipRect(plot);

    QPolygonF band;
    QPolygonF rate;
    for (double x = plot.left(); x <= plot.right(); ++x) {
        const double bet = std::clamp(axes.betAt(x), 1.0, bets);
        band.append(QPointF(x, axes.yOf(baseline_ + fairHalfWidth(bet))));
        rate.append(QPointF(x, axes.yOf(rates_[static_cast<std::size_t>(bet) - 1])));
    }
    for (double x = plot.right(); x >= plot.left(); --x) {
        band.append(QPointF(x, axes.yOf(baseline_ - fairHalfWidth(std::clamp(axes.betAt(x), 1.0, bets)))));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBandFill);
    painter.drawPolygon(band);
    painter.setPen(QPen(kFairLine, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), axes.yOf(baseline_)), QPointF(plot.right(), axes.yOf(baseline_)));
    painter.setPen(QPen(kRateLine, 2));
    painter.drawPolyline(rate);
    painter.restore();

    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(plot);
    for (const double share : {low, baseline_, high}) {
        painter.drawText(QRectF(0, axes.yOf(share) - 8, kLeft - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                         percent(share));
    }
    for (double bet = 1; bet <= bets; bet *= 10) {
        painter.drawText(QRectF(axes.xOf(bet) - 30, plot.bottom() + 2, 60, 16), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(bet, 'f', 0));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 18, plot.width(), 16), Qt::AlignHCenter | Qt::AlignTop,
                     u"下注次数（对数刻度）"_s);
    painter.drawText(QRectF(plot.left(), 4, plot.width(), kTop - 6), Qt::AlignLeft | Qt::AlignVCenter,
                     u"蓝线：累计命中率　红虚线：公平命中率 %1　黄带：公平游戏95%的时候落在其中"_s.arg(percent(baseline_)));
}

}  // namespace quintara::qt
