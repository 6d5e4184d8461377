#include "shell/qt/chart/trend_chart_view.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace quintara::qt {

using L = ChartLayout;

TrendChartView::TrendChartView(QWidget* parent) : QAbstractScrollArea(parent), layout_(chart_) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(L::kCell);
    horizontalScrollBar()->setSingleStep(L::kCell);
}

void TrendChartView::setChart(TrendChart chart) {
    chart_ = std::move(chart);
    layout_ = ChartLayout(chart_);
    updateScrollBars();
    viewport()->update();
}

void TrendChartView::setLook(const ChartLook& look) {
    look_ = look;
    viewport()->update();
}

void TrendChartView::scrollToNewest() {
    QScrollBar& down = *verticalScrollBar();
    down.setValue(down.maximum());
}

bool TrendChartView::newestInView() const {
    const QScrollBar& down = *verticalScrollBar();
    return down.value() == down.maximum();
}

int TrendChartView::chromeWidth() const { return 2 * frameWidth() + verticalScrollBar()->sizeHint().width(); }

void TrendChartView::updateScrollBars() {
    const QSize inView = viewport()->size();
    // A page is the rows under the frozen header, less one row that stays
    // in view to read on from.
    const int rowsPerPage = std::max((inView.height() - L::kHeaderHeight) / L::kCell - 1, 1);
    QScrollBar& down = *verticalScrollBar();
    down.setRange(0, std::max(layout_.height() - inView.height(), 0));
    down.setPageStep(rowsPerPage * L::kCell);
    QScrollBar& across = *horizontalScrollBar();
    across.setRange(0, std::max(layout_.width() - inView.width(), 0));
    across.setPageStep(std::max(inView.width() - L::kFrozenWidth, L::kCell));
}

// The viewport's size changes with the window's, and as a scroll bar comes
// or goes: the newest row stays in view if it was.
void TrendChartView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const bool atNewest = newestInView();
    updateScrollBars();
    if (atNewest) scrollToNewest();
}

void TrendChartView::scrollContentsBy(int, int) { viewport()->update(); }

void TrendChartView::keyPressEvent(QKeyEvent* event) {
    QScrollBar& down = *verticalScrollBar();
    switch (event->key()) {
        case Qt::Key_Home: down.triggerAction(QAbstractSlider::SliderToMinimum); break;
        case Qt::Key_End: down.triggerAction(QAbstractSlider::SliderToMaximum); break;
        case Qt::Key_PageUp: down.triggerAction(QAbstractSlider::SliderPageStepSub); break;
        case Qt::Key_PageDown: down.triggerAction(QAbstractSlider::SliderPageStepAdd); break;
        default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void TrendChartView::paintPane(QPainter& painter, const QRect& onScreen, const QPoint& chartOrigin) {
    if (onScreen.isEmpty()) return;
    painter.save();
    painter.translate(onScreen.topLeft() - chartOrigin);
    paintTrendChart(painter, chart_, layout_, look_, QRect(chartOrigin, onScreen.size()));
    painter.restore();
}

void TrendChartView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QRect inView = viewport()->rect();
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int frozenRight = L::kFrozenWidth;
    const int headerBottom = L::kHeaderHeight;
    // The rows and columns beneath, the header scrolling across only, the
    // issue and code columns scrolling down only, and their corner.
    paintPane(painter, inView.adjusted(frozenRight, headerBottom, 0, 0),
              scrolled + QPoint(frozenRight, headerBottom));
    paintPane(painter, QRect(frozenRight, 0, inView.width() - frozenRight, headerBottom),
              QPoint(scrolled.x() + frozenRight, 0));
    paintPane(painter, QRect(0, headerBottom, frozenRight, inView.height() - headerBottom),
              QPoint(0, scrolled.y() + headerBottom));
    paintPane(painter, QRect(0, 0, frozenRight, headerBottom), QPoint(0, 0));
    // The footer's text stays at the left, however far the columns scroll.
    const int footerTop = layout_.footerTop() - scrolled.y();
    if (footerTop >= headerBottom && footerTop < inView.bottom()) {
        paintChartFooter(painter, chart_, QRect(0, footerTop, inView.width(), L::kCell));
    }
}

}  // namespace quintara::qt
