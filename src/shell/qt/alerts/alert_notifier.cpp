#include "shell/qt/alerts/alert_notifier.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/qt/platform/text.h"
#include "shell/qt/common/window_placement.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

constexpr int kNoticeMs = 10'000;
constexpr int kTrayMessageMs = 10'000;
constexpr int kNoticeWidth = 320;
const QString kAlertTitle = u"遗漏预警"_s;

// The alerts' texts, one a line.
QString linesOf(std::span<const AlertRecord> alerts) {
    QStringList lines;
    for (const AlertRecord& alert : alerts) lines << toQString(alert.text);
    return lines.join(u'\n');
}

}  // namespace

AlertNotifier::AlertNotifier(QWidget& mainWindow, QSystemTrayIcon* tray) : mainWindow_(mainWindow), tray_(tray) {}

void AlertNotifier::alertsFired(std::span<const AlertRecord> alerts) {
    if (alerts.empty()) return;
    QApplication::beep();
    if (tray_ != nullptr && tray_->isVisible() && QSystemTrayIcon::supportsMessages()) {
        tray_->showMessage(kAlertTitle, linesOf(alerts), QSystemTrayIcon::Warning, kTrayMessageMs);
    } else {
        showNotice(linesOf(alerts));
    }
}

void AlertNotifier::showNotice(const QString& text) {
    // A newer notice takes the place of one still up.
    if (notice_) notice_->close();
    auto* notice = new QWidget(&mainWindow_, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setAttribute(Qt::WA_ShowWithoutActivating);
    notice->setObjectName(u"预警通知"_s);
    notice->setStyleSheet(u"QWidget#预警通知 { background: #fff4e5; border: 1px solid #d9822b; }"_s);
    auto* layout = new QVBoxLayout(notice);  // owned by the notice, as the labels are
    auto* title = new QLabel(u"<b>"_s + kAlertTitle + u"</b>"_s);
    auto* body = new QLabel(text);
    body->setWordWrap(true);
    layout->addWidget(title);
    layout->addWidget(body);
    notice->setFixedWidth(kNoticeWidth);
    notice->adjustSize();
    // Beside the main window, inside the screen: a main window at the
    // screen's right edge has the notice on its left.
    notice->move(placeBeside(mainWindow_.frameGeometry(), notice->size(),
                             mainWindow_.screen()->availableGeometry())
                     .topLeft());
    notice->show();
    QTimer::singleShot(kNoticeMs, notice, &QWidget::close);
    notice_ = notice;
}

}  // namespace quintara::qt
