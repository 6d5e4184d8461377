#include "shell/qt/trend_chart_window.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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
#include "shell/qt/save_folders.h"
#include "shell/qt/text.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

// The window's title, which also leads the name of a file it saves.
constexpr QStringView kTitle = u"走势图";

// The caption of an export's button, and of its file dialog and box.
QString captionOf(TrendChartWindow::Export what) {
    return what == TrendChartWindow::Export::Image ? u"保存图片"_s : u"导出CSV"_s;
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
    setObjectName(u"走势图窗口"_s);
    setWindowTitle(kTitle.toString());

    // Every widget and layout made here belongs to the window, as Qt's children.
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(u"显示期数"_s));
    sizes_ = new QComboBox;
    for (const int size : kChartSizes) sizes_->addItem(QString::number(size) + u'期', size);
    sizes_->setCurrentIndex(sizes_->findData(kDefaultChartSize));
    bar->addWidget(sizes_);
    omissions_ = new QCheckBox(u"显示遗漏"_s);
    omissions_->setChecked(true);
    lines_ = new QCheckBox(u"显示折线"_s);
    lines_->setChecked(true);
    bar->addWidget(omissions_);
    bar->addWidget(lines_);
    bar->addStretch();
    auto* saveImage = new QPushButton(captionOf(Export::Image));
    auto* saveCsv = new QPushButton(captionOf(Export::Csv));
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
    // UTF-8 with its byte-order mark: spreadsheet programs on Chinese systems
    // take a CSV without one for the local code page.
    const std::string csv = "\xEF\xBB\xBF" + trendChartCsv(view_->chart());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()) &&
           file.commit();
}

QString TrendChartWindow::defaultFileName(const QString& suffix) const {
    const auto& rows = view_->chart().rows;
    QString name = kTitle.toString();
    if (!rows.empty()) name += u'-' + toQString(rows.back().issue);
    return name + u'-' + QString::number(rows.size()) + u"期."_s + suffix;
}

void TrendChartWindow::save(Export what) {
    const bool image = what == Export::Image;
    const SavedFile kind = image ? SavedFile::Picture : SavedFile::Table;
    const QString path = QFileDialog::getSaveFileName(
        this, captionOf(what),
        QDir(startFolder(kind)).filePath(defaultFileName(image ? u"png"_s : u"csv"_s)),
        image ? u"PNG 图片 (*.png)"_s : u"CSV 表格 (*.csv)"_s);
    if (!path.isEmpty() && saveTo(what, path)) rememberFolder(kind, path);
}

bool TrendChartWindow::saveTo(Export what, const QString& path) {
    if (what == Export::Image ? writeImage(path) : writeCsv(path)) return true;
    QMessageBox::warning(this, captionOf(what), u"无法写入文件："_s + path);
    return false;
}

}  // namespace quintara::qt
