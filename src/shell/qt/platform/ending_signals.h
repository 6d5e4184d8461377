// SIGTERM and SIGINT end the program as closing its window does: the event
// loop quits, waits give up, and what follows the loop still runs, so that
// draws held unsaved are written once more before the program ends.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace quintara::qt {

class EndingSignals : public QObject {
    Q_OBJECT

public:
    // Catches the signals for as long as it lives; one at a time.
    EndingSignals();
    ~EndingSignals() override;
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

private:
    QSocketNotifier* notifier_;  // a child of this object
};

}  // namespace quintara::qt
