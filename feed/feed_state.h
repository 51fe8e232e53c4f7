#pragma once
// The state the feed shares with the main window: the page to load, the last list address and
// page text, and the thread links of the thumbnails shown. Loads write it from their worker
// threads while the window thread reads it; every access here is safe from any thread, and a
// reader always sees a whole list of links (the one before or after a write, never a torn one).

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "base/types.h"

namespace pindora {

namespace inet {
class CancelToken;
}

class FeedState {
public:
    // The page the next load fetches, at least 1 (the window sets it before each load).
    int currentPage() const { return currentPage_.load(); }
    void setCurrentPage(int page) { currentPage_.store(page); }

    Text feedUrl() const;
    Text pageHtml() const;
    std::vector<Text> avatarLinks() const;
    // Link N (1-based) of the latest load; nothing when that load has not produced it.
    std::optional<Text> linkAt(int number) const;

    // Loads alive: started by startAvatarLoad and not begun yet, or running.
    int liveLoads() const;

    // The exit routine, once the loads have been stopped: frees the texts and the links.
    void clear();

private:
    friend class AvatarLoad;
    friend void startAvatarLoad();
    friend void stopAvatarLoads();

    mutable std::mutex mutex_;
    std::atomic<int> currentPage_{0};
    Text feedUrl_;
    Text pageHtml_;
    std::vector<Text> avatarLinks_;

    // Loads: only the load holding the latest generation writes; the others stop.
    std::uint64_t generation_ = 0;
    int starting_ = 0;  // threads started by startAvatarLoad that have not begun their load yet
    bool stopping_ = false;
    std::vector<std::shared_ptr<inet::CancelToken>> running_;
    std::condition_variable loadsChanged_;  // a load ended, or the loads are being stopped
};

// The program's one feed state.
FeedState& feedState();

}  // namespace pindora
