// How the window tells of alerts: a message of the tray icon when the desktop
// has a system tray, else a small notice beside the main window that closes
// itself after 10 s; and one beep for each set of alerts a change of the
// history fires, never more.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <span>

#include "shell/alert_sink.h"

class QLabel;

namespace quintara::qt {

class AlertNotifier : public QObject, public AlertSink {
    Q_OBJECT

public:
    // `tray` is the tray icon, when the desktop has a tray; both outlive this.
    AlertNotifier(QWidget& mainWindow, QSystemTrayIcon* tray);

    void alertsFired(std::span<const AlertRecord> alerts) override;

    // The notice shown without a tray; null when none is up.
    [[nodiscard]] QWidget* notice() const { return notice_; }

private:
    void showNotice(const QString& text);

    QWidget& mainWindow_;
    QSystemTrayIcon* tray_;
    QPointer<QWidget> notice_;
};

}  // namespace quintara::qt
