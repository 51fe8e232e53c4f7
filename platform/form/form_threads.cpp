// Worker threads: started at once, joined by the exit routine. Finished threads are joined
// whenever a new one starts, so a long run does not pile them up.

#include <atomic>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/form/form.h"

namespace pindora {
namespace {

struct Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> finished;
};

struct Workers {
    std::mutex mutex;
    std::list<Worker> running;
};

Workers& workers() {
    static Workers all;
    return all;
}

}  // namespace

void startThread(std::function<void()> work) {
    std::list<Worker> done;
    Workers& all = workers();
    {
        std::lock_guard lock(all.mutex);
        for (auto it = all.running.begin(); it != all.running.end();) {
            auto next = std::next(it);
            if (it->finished->load()) done.splice(done.end(), all.running, it);
            it = next;
        }
        auto finished = std::make_shared<std::atomic<bool>>(false);
        all.running.push_back({std::thread([work = std::move(work), finished] {
                                   work();
                                   finished->store(true);
                               }),
                               finished});
    }
    for (Worker& worker : done) worker.thread.join();
}

void waitForThreads() {
    std::list<Worker> joining;
    Workers& all = workers();
    {
        std::lock_guard lock(all.mutex);
        joining.swap(all.running);
    }
    for (Worker& worker : joining) worker.thread.join();
}

}  // namespace pindora
