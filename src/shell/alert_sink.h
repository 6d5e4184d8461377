// Where the window's alerts go: the tray's message or the notice beside the
// main window.
#pragma once

#include <span>

#include "alerts/alert_record.h"

namespace quintara {

class AlertSink {
public:
    virtual ~AlertSink() = default;
    virtual void alertsFired(std::span<const AlertRecord> alerts) = 0;
};

}  // namespace quintara
