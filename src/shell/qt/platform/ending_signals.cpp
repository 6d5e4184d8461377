#include "shell/qt/platform/ending_signals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace quintara::qt {
namespace {

// The pair a handler writes into and the event loop reads from: the only
// thing a signal handler may safely do is write a byte.
int ends[2] = {-1, -1};

void heard(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(ends[0], &byte, 1);
}

void handle(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

EndingSignals::EndingSignals() {
    ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends);
    notifier_ = new QSocketNotifier(static_cast<qintptr>(ends[1]), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(ends[1], &byte, 1);
        QCoreApplication::quit();
    });
    handle(heard);
}

EndingSignals::~EndingSignals() {
    handle(SIG_DFL);
    notifier_->setEnabled(false);
    for (int& end : ends) {
        ::close(end);
        end = -1;
    }
}

}  // namespace quintara::qt
