// The program's icon in the desktop's system tray, where there is one, with
// its menu: 显示主窗口, 走势图, 公平性检验, 预警设置, 退出.
#pragma once

#include <QSystemTrayIcon>

#include <functional>
#include <memory>

class QMenu;

namespace quintara::qt {

struct TrayActions {
    std::function<void()> showMainWindow;
    std::function<void()> openTrendChart;
    std::function<void()> openFairness;
    std::function<void()> openAlertSettings;
    std::function<void()> quit;
};

class WindowTray {
public:
    // None when the desktop has no system tray.
    [[nodiscard]] static std::unique_ptr<WindowTray> whereAvailable(TrayActions actions);

    explicit WindowTray(TrayActions actions);
    ~WindowTray();
    WindowTray(const WindowTray&) = delete;
    WindowTray& operator=(const WindowTray&) = delete;

    [[nodiscard]] QSystemTrayIcon& icon() { return icon_; }

private:
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon icon_;
};

}  // namespace quintara::qt
