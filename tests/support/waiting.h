#pragma once
// Bounded waits the tests share. The condition is read once per round and the reading that ends
// the wait is its answer: loads change state from threads of their own, so a second reading
// might not agree with the one that ended the wait.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <thread>

namespace pindora {

inline constexpr std::chrono::milliseconds kTestWaitLimit{15000};

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

// Sleeps between readings, for conditions that other threads make true.
template <typename Condition>
bool sleepUntil(Condition done, std::chrono::milliseconds limit = kTestWaitLimit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace pindora
