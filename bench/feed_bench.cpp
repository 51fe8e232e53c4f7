// Feed latency: from the start of a load to the sixth box filled, with the demo forum answering
// every request after 50 ms.
//
//   feed.load                     the program: a load as the window starts it (connections kept
//                                 from earlier loads, the six thumbnails fetched at once)
//   feed.load/one-after-another   the page, then each thumbnail, one request after another,
//                                 each on a new connection, into the same boxes
//   feed.floor                    two rounds of latency (the page, then the thumbnails) plus the
//                                 transfer of the page and the six thumbnails
//
// Names: "<figure>" is the program; "<figure>/<label>" is the baseline it is compared with.

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "feed/avatar_loader.h"
#include "feed/categories.h"
#include "feed/feed_state.h"
#include "net/web_request.h"
#include "platform/form/form.h"
#include "regex/regex_object.h"
#include "tools/demo-forum/demo_forum.h"

namespace pindora {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kLatency = 50ms;
constexpr int kTypeId = 132;  // the category of button 1
constexpr int kPages = 5;

demo::DemoForum* forum = nullptr;

// The window's six picture boxes and the checked button of the first category.
void createWindow() {
    FormDescription form;
    form.width = 650;
    form.height = 667;
    for (int n = 1; n <= 6; ++n) {
        ControlDescription box;
        box.kind = ControlKind::PictureBox;
        box.formName = "box" + std::to_string(n);
        box.tag = std::to_string(n);
        form.controls.push_back(box);
    }
    ControlDescription button;
    button.kind = ControlKind::RadioButton;
    button.formName = categoryButtonName(1);
    button.checked = true;
    form.controls.push_back(button);
    createMainWindow(form);
}

std::vector<Bytes> servedThumbnails(int page) {
    std::vector<Bytes> thumbnails;
    for (const auto& item : forum->items(kTypeId, page)) {
        const std::string bytes = *forum->thumbnailBytes(item.thumbnailSrc);
        thumbnails.emplace_back(bytes.begin(), bytes.end());
    }
    return thumbnails;
}

bool boxesShow(const std::vector<Bytes>& thumbnails) {
    for (int n = 1; n <= 6; ++n)
        if (pictureBytes(findControlByTag(n)) != thumbnails[static_cast<std::size_t>(n - 1)]) return false;
    return true;
}

void emptyBoxes() {
    for (int n = 1; n <= 6; ++n) setPicture(findControlByTag(n), {});
}

// One GET on a new connection that the server closes after its answer; the body.
std::string fetchOnNewConnection(const std::string& path) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(forum->port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string response;
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const std::string request = "GET " + path + " HTTP/1.1\r\nHost: " + forum->hostAndPort() +
                                    "\r\nConnection: close\r\n\r\n";
        if (::send(socket, request.data(), request.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(request.size())) {
            char buffer[16384];
            ssize_t n;
            while ((n = ::recv(socket, buffer, sizeof buffer, 0)) > 0) response.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(socket);
    const auto headEnd = response.find("\r\n\r\n");
    return headEnd == std::string::npos ? std::string() : response.substr(headEnd + 4);
}

// The page, then thumbnail 1 to 6, one request after another on a new connection each, each
// thumbnail into its box.
void loadOneAfterAnother(int page) {
    const std::string html = fetchOnNewConnection(demo::DemoForum::listPath(kTypeId, page));
    RegexObject regex;
    regex.matchAll(preparedAvatarPattern(), html);
    const int count = std::min(regex.matchCount(), 6);
    for (int n = 1; n <= count; ++n) {
        const std::string thumbnail = fetchOnNewConnection("/" + regex.subMatchText(n, 2));
        setPicture(findControlByTag(n), Bytes(thumbnail.begin(), thumbnail.end()));
    }
}

void feedLoad(benchmark::State& state) {
    forum->setLatency(kLatency);
    int page = 0;
    for (auto _ : state) {
        page = page % kPages + 1;
        const auto thumbnails = servedThumbnails(page);
        feedState().setCurrentPage(page);
        emptyBoxes();
        const auto start = Clock::now();
        startAvatarLoad();
        while (!boxesShow(thumbnails)) std::this_thread::sleep_for(1ms);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        waitForThreads();
    }
}

void oneAfterAnother(benchmark::State& state) {
    forum->setLatency(kLatency);
    int page = 0;
    for (auto _ : state) {
        page = page % kPages + 1;
        const auto thumbnails = servedThumbnails(page);
        emptyBoxes();
        const auto start = Clock::now();
        loadOneAfterAnother(page);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (!boxesShow(thumbnails)) state.SkipWithError("the boxes do not show the page's thumbnails");
    }
}

// Two rounds of latency plus the transfer, the latter measured with no latency as the page and
// the six thumbnails fetched one after another over a kept-alive connection (an upper bound:
// the thumbnails could travel together).
void floorOfTwoRounds(benchmark::State& state) {
    forum->setLatency(0ms);
    int page = 0;
    for (auto _ : state) {
        page = page % kPages + 1;
        const auto start = Clock::now();
        const Text html = webRequestText(forum->baseUrl() + demo::DemoForum::listPath(kTypeId, page));
        RegexObject regex;
        regex.matchAll(preparedAvatarPattern(), html);
        std::size_t bytes = 0;
        for (int n = 1; n <= std::min(regex.matchCount(), 6); ++n)
            bytes += webRequestBytes(forum->baseUrl() + "/" + regex.subMatchText(n, 2)).size();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start + 2 * kLatency).count());
        if (bytes == 0) state.SkipWithError("no thumbnail arrived");
    }
}

BENCHMARK(feedLoad)->Name("feed.load")->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(oneAfterAnother)->Name("feed.load/one-after-another")->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(floorOfTwoRounds)->Name("feed.floor")->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace pindora

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    {
        pindora::demo::DemoForum forum;
        if (forum.start() <= 0) return 1;
        pindora::forum = &forum;
        setenv("PINDORA_FORUM_HOST", forum.hostAndPort().c_str(), 1);
        pindora::createWindow();
        benchmark::RunSpecifiedBenchmarks();
        pindora::stopAvatarLoads();
        pindora::waitForThreads();
        pindora::destroyMainWindow();
        pindora::forum = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
