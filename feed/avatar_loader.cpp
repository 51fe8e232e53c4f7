#include "feed/avatar_loader.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "assets/assets.h"
#include "base/forum_host.h"
#include "base/text.h"
#include "feed/categories.h"
#include "feed/feed_state.h"
#include "net/web_request.h"
#include "platform/form/form.h"
#include "platform/inet/inet.h"
#include "regex/regex_object.h"

namespace pindora {
namespace {

// Only six boxes: matches past the sixth are ignored, so box N and link N stay paired.
constexpr int kBoxCount = 6;

}  // namespace

// One run of loadAvatarPage. Every write to the shared state or the boxes checks, under the
// state's lock, that this load still holds the latest generation.
class AvatarLoad {
public:
    AvatarLoad(FeedState& state, bool startedByStartAvatarLoad)
        : state_(state), counted_(startedByStartAvatarLoad), cancel_(std::make_shared<inet::CancelToken>()) {}

    void run() {
        inet::ScopedCancelToken transfersOfThisLoad(cancel_);
        const Text host = forumHost();
        Text listAddress;
        if (!begin(host, listAddress)) return;
        const Text html = webRequestText(listAddress);
        {
            std::lock_guard lock(state_.mutex_);
            if (!isLatest()) return;
            state_.pageHtml_ = html;
        }

        RegexObject regex;
        regex.matchAll(preparedAvatarPattern(), html);
        const int count = std::min(regex.matchCount(), kBoxCount);
        for (int n = 1; n <= count; ++n) links_.push_back(replaceText(regex.subMatchText(n, 1), "&amp;", "&"));
        arrived_.assign(static_cast<std::size_t>(count), false);

        // The thumbnails are fetched at once, each on a thread of its own under this load's
        // token; the threads are joined when `fetches` goes out of scope.
        std::vector<std::jthread> fetches;
        for (int n = 1; n <= count; ++n) {
            fetches.emplace_back([this, n, address = "http://" + host + "/" + regex.subMatchText(n, 2)] {
                inet::ScopedCancelToken transfersOfThisLoad(cancel_);
                thumbnailArrived(n, webRequestBytes(address));
            });
        }
    }

    ~AvatarLoad() {
        std::lock_guard lock(state_.mutex_);
        std::erase(state_.running_, cancel_);
        state_.loadsChanged_.notify_all();
    }

private:
    // Becomes the latest load, outdating and aborting the others; chooses the list address,
    // shows the busy picture and empties the links. False, with nothing written, while the
    // loads are being stopped. First waits (on this worker) for the aborted loads to end, so
    // that at most one load runs and one waits to begin, however fast the clicks come.
    bool begin(std::string_view host, Text& listAddress) {
        std::unique_lock lock(state_.mutex_);
        for (const auto& other : state_.running_) other->cancel();
        ++state_.generation_;
        state_.loadsChanged_.wait(lock, [this] { return state_.running_.empty() || state_.stopping_; });
        if (counted_) --state_.starting_;
        if (state_.stopping_) return false;
        state_.running_.push_back(cancel_);
        generation_ = ++state_.generation_;

        for (int button : kButtonReadOrder) {
            if (isChecked(findControl(categoryButtonName(button)))) {
                state_.feedUrl_ = categoryListAddress(kFeedCategories[button - 1], host, state_.currentPage());
            }
        }
        const Bytes busy = busyImage();
        for (int n = 1; n <= kBoxCount; ++n) setPicture(findControlByTag(n), busy);
        state_.avatarLinks_.clear();
        listAddress = state_.feedUrl_;
        return true;
    }

    bool isLatest() const { return generation_ == state_.generation_; }

    // Box N shows its thumbnail as soon as it arrives. The links grow in box order, so that
    // link N is always box N's: link N is added once thumbnails 1 to N have all arrived.
    void thumbnailArrived(int n, Bytes thumbnail) {
        std::lock_guard lock(state_.mutex_);
        if (!isLatest()) return;
        setPicture(findControlByTag(n), std::move(thumbnail));
        arrived_[static_cast<std::size_t>(n - 1)] = true;
        auto& links = state_.avatarLinks_;
        while (links.size() < links_.size() && arrived_[links.size()]) links.push_back(links_[links.size()]);
    }

    FeedState& state_;
    const bool counted_;
    std::shared_ptr<inet::CancelToken> cancel_;
    std::uint64_t generation_ = 0;
    std::vector<Text> links_;    // the page's links, box order
    std::vector<bool> arrived_;  // per box: its thumbnail arrived (guarded by the state's lock)
};

Text preparedAvatarPattern() { return replaceText(kAvatarPattern, "`", "\""); }

Bytes busyImage() {
    return assetCopy("busy.gif");
}

void startAvatarLoad() {
    FeedState& state = feedState();
    {
        std::lock_guard lock(state.mutex_);
        // The running load is outdated now: it stops writing and its transfers end.
        ++state.generation_;
        for (const auto& load : state.running_) load->cancel();
        // A load that has not begun yet reads the buttons and the page when it begins, so it
        // already serves this request: no second thread waits beside it.
        if (state.starting_ > 0) return;
        ++state.starting_;
    }
    startThread(avatarLoadThread);
}

void avatarLoadThread() { AvatarLoad(feedState(), true).run(); }

void loadAvatarPage() { AvatarLoad(feedState(), false).run(); }

void stopAvatarLoads() {
    FeedState& state = feedState();
    std::unique_lock lock(state.mutex_);
    state.stopping_ = true;
    ++state.generation_;
    for (const auto& load : state.running_) load->cancel();
    state.loadsChanged_.notify_all();  // loads waiting to begin give up
    state.loadsChanged_.wait(lock, [&state] { return state.running_.empty() && state.starting_ == 0; });
    state.stopping_ = false;
}

}  // namespace pindora
