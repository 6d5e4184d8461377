// The platform services with a desktop: message boxes, the default browser,
// ending the event loop, and waits that keep the window alive.
#pragma once

#include <QAbstractEventDispatcher>
#include <QObject>
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
    // Dispatches window messages until `finished`, the limit, or the end of
    // the program: once the application is quitting (its last window was
    // closed) a wait ends at once, and so does every wait after it.
    bool waitDispatching(const std::function<bool()>& finished, int limitMs) override;
    void wakeWait() override;

private:
    // Notes the application's Quit event: the last window closed, or quit()
    // asked for. The program's windows never refuse to close, so the event
    // loop ends once its handlers return.
    class QuitWatch : public QObject {
    public:
        [[nodiscard]] bool quitting() const { return quitting_; }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override;

    private:
        bool quitting_ = false;
    };

    QPointer<QWidget> window_;
    QAbstractEventDispatcher* dispatcher_;  // the GUI thread's; lives as long as it
    QuitWatch quitWatch_;
};

}  // namespace quintara::qt
