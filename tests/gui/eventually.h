// Waiting in a GUI test for what happens on its own time, a page fetched or
// a chart made again, while the GUI thread goes on with its events. The
// limit is generous, for the tests also run under sanitizers on busy
// machines: a test that passes never waits it out.
#pragma once

#include <QTest>

#include <functional>

namespace quintara::qt {

inline constexpr int kEventuallyLimitMs = 20000;

// Whether `condition` comes to hold within the limit.
[[nodiscard]] inline bool eventually(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, kEventuallyLimitMs);
}

}  // namespace quintara::qt
