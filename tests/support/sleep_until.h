#pragma once
// A bounded wait for conditions that other threads make true, for tests with or without Qt. The
// condition is read once per round and the reading that ends the wait is its answer: loads
// change state from threads of their own, so a second reading might not agree with the one that
// ended the wait.

#include <chrono>
#include <thread>

namespace pindora {

inline constexpr std::chrono::milliseconds kTestWaitLimit{15000};

// Sleeps between readings.
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
