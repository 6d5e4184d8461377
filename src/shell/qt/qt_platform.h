// The platform services with a desktop: message boxes, the default browser,
// ending the event loop, and waits that keep the window alive.
#pragma once

#include <QAbstractEventDispatcher>
#include <QPointer>
#include <QWidget>

#include "platform/system_platform.h"

namespace quintara::qt {

class QtPlatform : public SystemPlatform {
public:
    // Message boxes are modal to `window`. Needs the QApplication.
    explicit QtPlatform(QWidget* window = nullptr);

    void setWindow(QWidget* window) { window_ = window; }

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void openAddress(std::string_view address) override;
    void endProgram() override;
    bool waitDispatching(const std::function<bool()>& finished, int limitMs) override;
    void wakeWait() override;

private:
    QPointer<QWidget> window_;
    QAbstractEventDispatcher* dispatcher_;  // the GUI thread's; lives as long as it
};

}  // namespace quintara::qt
