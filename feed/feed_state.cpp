#include "feed/feed_state.h"

namespace pindora {

Text FeedState::feedUrl() const {
    std::lock_guard lock(mutex_);
    return feedUrl_;
}

Text FeedState::pageHtml() const {
    std::lock_guard lock(mutex_);
    return pageHtml_;
}

std::vector<Text> FeedState::avatarLinks() const {
    std::lock_guard lock(mutex_);
    return avatarLinks_;
}

std::optional<Text> FeedState::linkAt(int number) const {
    std::lock_guard lock(mutex_);
    if (number < 1 || static_cast<std::size_t>(number) > avatarLinks_.size()) return std::nullopt;
    return avatarLinks_[number - 1];
}

int FeedState::liveLoads() const {
    std::lock_guard lock(mutex_);
    return starting_ + static_cast<int>(running_.size());
}

void FeedState::clear() {
    std::lock_guard lock(mutex_);
    feedUrl_ = Text();
    pageHtml_ = Text();
    avatarLinks_ = std::vector<Text>();
}

FeedState& feedState() {
    static FeedState state;
    return state;
}

}  // namespace pindora
