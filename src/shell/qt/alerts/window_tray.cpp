#include "shell/qt/alerts/window_tray.h"

#include <QMenu>

#include "shell/qt/window/branding.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

}  // namespace

std::unique_ptr<WindowTray> WindowTray::whereAvailable(TrayActions actions) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return nullptr;
    return std::make_unique<WindowTray>(std::move(actions));
}

WindowTray::WindowTray(TrayActions actions) : menu_(std::make_unique<QMenu>()), icon_(windowIcon128()) {
    menu_->addAction(u"显示主窗口"_s, actions.showMainWindow);
    menu_->addAction(u"走势图"_s, actions.openTrendChart);
    menu_->addAction(u"公平性检验"_s, actions.openFairness);
    menu_->addAction(u"预警设置"_s, actions.openAlertSettings);
    menu_->addSeparator();
    menu_->addAction(u"退出"_s, actions.quit);
    icon_.setContextMenu(menu_.get());
    icon_.setToolTip(u"Quintara"_s);
    icon_.show();
}

WindowTray::~WindowTray() = default;

}  // namespace quintara::qt
