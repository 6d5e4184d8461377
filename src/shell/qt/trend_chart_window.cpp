#include "shell/qt/trend_chart_window.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "draws/draw_history.h"
#include "shell/qt/text.h"

namespace quintara::qt {
namespace {

constexpr const char* kTitle = "走势图";

QString captionOf(TrendChartWindow::Export what) {
    return what == TrendChartWindow::Export::Image ? "保存图片" : "导出CSV";
}

}  // namespace

TrendChartView::TrendChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrendChartView::setChart(TrendChart chart) {
    chart_ = std::move(chart);
    setFixedSize(ChartGeometry::size(static_cast<int>(chart_.rows.size())));
    update();
}

void TrendChartView::setLook(const ChartLook& look) {
    look_ = look;
    update();
}

void TrendChartView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintTrendChart(painter, chart_, look_, event->rect());
}

TrendChartWindow::TrendChartWindow(Grid& history, QAbstractItemModel& historyModel)
    : QWidget(nullptr, Qt::Window), history_(history) {
    setObjectName("走势图窗口");
    setWindowTitle(kTitle);

    // Every widget and layout made here belongs to the window, as Qt's children.
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel("显示期数"));
    sizes_ = new QComboBox;
    for (const int size : kChartSizes) sizes_->addItem(QString::number(size) + "期", size);
    sizes_->setCurrentIndex(sizes_->findData(kDefaultChartSize));
    bar->addWidget(sizes_);
    omissions_ = new QCheckBox("显示遗漏");
    omissions_->setChecked(true);
    lines_ = new QCheckBox("显示折线");
    lines_->setChecked(true);
    bar->addWidget(omissions_);
    bar->addWidget(lines_);
    bar->addStretch();
    auto* saveImage = new QPushButton("保存图片");
    auto* saveCsv = new QPushButton("导出CSV");
    bar->addWidget(saveImage);
    bar->addWidget(saveCsv);

    scroll_ = new QScrollArea;
    view_ = new TrendChartView(scroll_);
    scroll_->setWidget(view_);
    scroll_->setBackgroundRole(QPalette::Base);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_);
    resize(ChartGeometry::width() + 40, 760);

    connect(sizes_, &QComboBox::currentIndexChanged, this, [this] {
        refresh();
        scrollToNewest();
    });
    connect(omissions_, &QCheckBox::toggled, this, [this] { view_->setLook(look()); });
    connect(lines_, &QCheckBox::toggled, this, [this] { view_->setLook(look()); });
    connect(saveImage, &QPushButton::clicked, this, [this] { save(Export::Image); });
    connect(saveCsv, &QPushButton::clicked, this, [this] { save(Export::Csv); });

    // A reload resets the model, a new draw inserts a row and then writes it:
    // the chart is made again once the changes are done.
    historyChanged_.setSingleShot(true);
    historyChanged_.setInterval(0);
    connect(&historyChanged_, &QTimer::timeout, this, [this] { refresh(); });
    const auto changed = [this] {
        if (isVisible()) historyChanged_.start();
    };
    connect(&historyModel, &QAbstractItemModel::modelReset, this, changed);
    connect(&historyModel, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&historyModel, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&historyModel, &QAbstractItemModel::dataChanged, this, changed);
}

void TrendChartWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TrendChartWindow::open() {
    const bool opening = !isVisible();
    show();
    raise();
    activateWindow();
    // Shown first, so that the scroll area knows its size: the chart opens
    // on its newest draws.
    if (opening) {
        refresh();
        scrollToNewest();
    }
}

void TrendChartWindow::scrollToNewest() {
    QScrollBar& down = *scroll_->verticalScrollBar();
    down.setValue(down.maximum());
}

int TrendChartWindow::drawsShown() const { return sizes_->currentData().toInt(); }

void TrendChartWindow::setDrawsShown(int draws) { sizes_->setCurrentIndex(sizes_->findData(draws)); }

ChartLook TrendChartWindow::look() const {
    return {.omissions = omissions_->isChecked(), .lines = lines_->isChecked()};
}

void TrendChartWindow::refresh() {
    // The newest row stands at the bottom: a chart scrolled down to it stays
    // there as new draws come.
    const QScrollBar& down = *scroll_->verticalScrollBar();
    const bool newestInView = down.value() == down.maximum();
    const std::vector<DrawView> draws = DrawHistory(history_).draws();
    view_->setChart(makeTrendChart(draws, drawsShown()));
    if (newestInView) scrollToNewest();
}

bool TrendChartWindow::writeImage(const QString& path) const {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           writeTrendChartPng(view_->chart(), view_->look(), file) && file.commit();
}

bool TrendChartWindow::writeCsv(const QString& path) const {
    const std::string csv = trendChartCsv(view_->chart());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()) &&
           file.commit();
}

QString TrendChartWindow::defaultFileName(const QString& suffix) const {
    const auto& rows = view_->chart().rows;
    const QString newest = rows.empty() ? QString() : "-" + toQString(rows.back().issue);
    return "走势图" + newest + "-" + QString::number(rows.size()) + "期." + suffix;
}

void TrendChartWindow::save(Export what) {
    const bool image = what == Export::Image;
    const QString path = QFileDialog::getSaveFileName(
        this, captionOf(what), defaultFileName(image ? "png" : "csv"),
        image ? "PNG 图片 (*.png)" : "CSV 表格 (*.csv)");
    if (!path.isEmpty()) saveTo(what, path);
}

bool TrendChartWindow::saveTo(Export what, const QString& path) {
    if (what == Export::Image ? writeImage(path) : writeCsv(path)) return true;
    QMessageBox::warning(this, captionOf(what), "无法写入文件：" + path);
    return false;
}

}  // namespace quintara::qt
