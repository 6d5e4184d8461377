#include "shell/qt/window/main_window.h"

#include <QGuiApplication>
#include <QScreen>

#include <stdexcept>

#include "shell/qt/window/branding.h"
#include "shell/qt/platform/text.h"
#include "shell/qt/window/widget_factory.h"

namespace quintara::qt {

using namespace Qt::StringLiterals;

MainWindow::MainWindow(const WindowSpec& layout)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(u"主窗口"_s);
    setWindowTitle(toQString(layout.title));
    setWindowIcon(windowIcon128());
    setFixedSize(layout.clientWidth, layout.clientHeight);
    for (const ControlSpec& row : layout.controls) add(row);
}

MainWindow::~MainWindow() {
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

QWidget* MainWindow::widget(std::string_view name) const {
    auto found = widgets_.find(name);
    return found == widgets_.end() ? nullptr : found->second;
}

QWidget* MainWindow::parentOf(const ControlSpec& row) const {
    if (row.parent.empty()) return const_cast<MainWindow*>(this);
    QWidget* parent = widget(row.parent);
    if (parent == nullptr) {
        throw std::logic_error("parent not made before " + std::string(row.name));
    }
    return parent;
}

void MainWindow::add(const ControlSpec& row) {
    MadeControl made = makeQtControl(row, parentOf(row));
    if (made.widget != nullptr) widgets_.emplace(row.name, made.widget);
    controls_.add(row.name, std::move(made.control));
}

void MainWindow::centre() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize outer = frameGeometry().size();
        move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
}

}  // namespace quintara::qt
