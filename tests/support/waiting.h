#pragma once
// Bounded waits the tests share: sleepUntil, and processEventsUntil for tests with a window
// thread. Both read the condition once per round and answer with the reading that ended the wait.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>

#include "tests/support/sleep_until.h"

namespace pindora {

// Runs the window thread's events between readings, for conditions that queued window-thread
// work makes true.
template <typename Condition>
bool processEventsUntil(Condition done, std::chrono::milliseconds limit = kTestWaitLimit) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (done()) return true;
        if (clock.elapsed() >= limit.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

}  // namespace pindora
