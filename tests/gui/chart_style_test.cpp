// The size the trend chart gives a figure that must fit in its cell.
#include <QFontMetrics>

#include <gtest/gtest.h>

#include "shell/qt/chart_style.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

constexpr int kWidth = 20;

TEST(ChartStyle, FiguresThatFitKeepTheLargestSize) {
    EXPECT_EQ(chartFontFitting({u"9"_s, u"42"_s}, kWidth, 11).pixelSize(), 11);
}

TEST(ChartStyle, AFigureTooWideTakesASmallerSizeForTheWholeLine) {
    const QStringList figures{u"9.20"_s, u"500.00"_s};
    const QFont fitted = chartFontFitting(figures, kWidth, 11);
    EXPECT_LT(fitted.pixelSize(), 11);
    const QFontMetrics metrics(fitted);
    for (const QString& figure : figures) EXPECT_LE(metrics.horizontalAdvance(figure), kWidth);
}

}  // namespace
}  // namespace quintara::qt
