#include "shell/qt/platform/qt_platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include "shell/qt/platform/text.h"

namespace quintara::qt {

QtPlatform::QtPlatform(QWidget* window)
    : window_(window), dispatcher_(QAbstractEventDispatcher::instance()) {
    QCoreApplication::instance()->installEventFilter(&quitWatch_);
}

bool QtPlatform::QuitWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Quit) quitting_ = true;
    return QObject::eventFilter(watched, event);
}

void QtPlatform::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                     : QMessageBox::Information,
                    toQString(caption), toQString(text), QMessageBox::Ok, window_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtPlatform::openAddress(std::string_view address) {
    QDesktopServices::openUrl(QUrl(toQString(address)));
}

void QtPlatform::endProgram() {
    // Queued, so that it also ends a program whose event loop has not begun.
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                              Qt::QueuedConnection);
}

bool QtPlatform::waitDispatching(const std::function<bool()>& finished, int limitMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer limit;  // wakes the wait when the limit is reached
    limit.setSingleShot(true);
    limit.start(limitMs);
    while (!finished()) {
        if (quitWatch_.quitting() || elapsed.elapsed() >= limitMs) return finished();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void QtPlatform::wakeWait() {
    if (dispatcher_ != nullptr) dispatcher_->wakeUp();
}

}  // namespace quintara::qt
