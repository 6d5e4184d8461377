#include "shell/qt/chart/trend_chart_window.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

#include "shell/draw_history.h"
#include "shell/qt/common/history_follower.h"
#include "shell/qt/chart/save_folders.h"
#include "shell/qt/platform/text.h"
#include "shell/qt/common/window_placement.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

// The window's title, which also leads the name of a file it saves.
constexpr QStringView kChartTitle = u"走势图";
// The window's height until it is placed beside the main window.
constexpr int kChartOpeningHeight = 760;

// The caption of an export's button, and of its file dialog and box.
QString captionOf(TrendChartWindow::Export what) {
    return what == TrendChartWindow::Export::Image ? u"保存图片"_s : u"导出CSV"_s;
}

}  // namespace

TrendChartWindow::TrendChartWindow(Grid& history, QAbstractItemModel& historyModel, const QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window), history_(history), mainWindow_(mainWindow) {
    setObjectName(u"走势图窗口"_s);
    setWindowTitle(kChartTitle.toString());

    // Every widget and layout made here belongs to the window, as Qt's children.
    auto* bar = new QHBoxLayout;
    choosers_ = new TrendChartChoosers;
    bar->addWidget(choosers_, 1);
    auto* saveImage = new QPushButton(captionOf(Export::Image));
    auto* saveCsv = new QPushButton(captionOf(Export::Csv));
    bar->addWidget(saveImage, 0, Qt::AlignTop);
    bar->addWidget(saveCsv, 0, Qt::AlignTop);

    view_ = new TrendChartView;
    view_->setLook(choosers_->look());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_);
    resize(wantedWidth(), kChartOpeningHeight);

    // Once chosen, the keys go to the chart again.
    connect(choosers_, &TrendChartChoosers::optionsChanged, this, [this] {
        if (!isVisible()) return;
        refresh();
        fitBesideMainWindow();
        view_->scrollToNewest();
        view_->setFocus();
    });
    connect(choosers_, &TrendChartChoosers::lookChanged, this, [this] {
        view_->setLook(choosers_->look());
        view_->setFocus();
    });
    connect(saveImage, &QPushButton::clicked, this, [this] { save(Export::Image); });
    connect(saveCsv, &QPushButton::clicked, this, [this] { save(Export::Csv); });

    connect(new HistoryFollower(historyModel, *this), &HistoryFollower::changed, this, [this] { refresh(); });
}

void TrendChartWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

int TrendChartWindow::wantedWidth() const {
    const QMargins margins = layout()->contentsMargins();
    return std::max(view_->layout().width() + view_->chromeWidth() + margins.left() + margins.right(),
                    minimumSizeHint().width());
}

void TrendChartWindow::fitBesideMainWindow() {
    if (mainWindow_ != nullptr) placeWindowBeside(*this, *mainWindow_, QSize(wantedWidth(), QWIDGETSIZE_MAX));
}

void TrendChartWindow::open() {
    const bool opening = !isVisible();
    // Made first, so that the window takes the width its chart needs.
    if (opening) {
        refresh();
        fitBesideMainWindow();
    }
    show();
    raise();
    activateWindow();
    // Shown first, so that the view knows its size: the chart opens on its
    // newest draws.
    if (opening) {
        view_->scrollToNewest();
        view_->setFocus();
    }
}

void TrendChartWindow::refresh() {
    // The newest row stands at the bottom: a chart scrolled down to it stays
    // there as new draws come.
    const bool newestInView = view_->newestInView();
    const std::vector<DrawView> draws = DrawHistory(history_).draws(std::numeric_limits<int>::max());
    view_->setChart(makeTrendChart(draws, choosers_->options()));
    choosers_->showChart(view_->chart());
    if (newestInView) view_->scrollToNewest();
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
    QString name = kChartTitle.toString();
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
