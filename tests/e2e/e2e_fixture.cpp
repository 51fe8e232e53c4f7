#include "tests/e2e/e2e_fixture.h"


#include <array>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace pindora::e2e {

std::unique_ptr<XDisplay> EndToEndTest::display;
std::unique_ptr<demo::DemoForum> EndToEndTest::forum;
std::filesystem::path EndToEndTest::scratch;

namespace {

constexpr std::array<QPoint, 6> kBoxPlaces = {{{6, 9}, {213, 9}, {422, 9}, {6, 217}, {213, 218}, {422, 218}}};

}  // namespace

bool near(QColor colour, std::uint32_t rgb, int tolerance) {
    const QColor expected = QColor::fromRgb(rgb);
    return std::abs(colour.red() - expected.red()) <= tolerance &&
           std::abs(colour.green() - expected.green()) <= tolerance &&
           std::abs(colour.blue() - expected.blue()) <= tolerance;
}

void EndToEndTest::SetUpTestSuite() {
    scratch = std::filesystem::temp_directory_path() / ("pindora_e2e_" + std::to_string(getpid()));
    std::filesystem::remove_all(scratch);
    for (const char* folder : {"bin", "program", "home/Desktop", "runtime"}) std::filesystem::create_directories(scratch / folder);
    std::filesystem::permissions(scratch / "runtime", std::filesystem::perms::owner_all);
    std::filesystem::copy_file(PINDORA_PROGRAM, scratch / "program" / "pindora");
    const std::filesystem::path opener = scratch / "bin" / "xdg-open";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << (scratch / "opened.txt").string() << "'\n";
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);

    display = std::make_unique<XDisplay>();
    if (!display->start()) display.reset();
    forum = std::make_unique<demo::DemoForum>();
    if (forum->start() < 0) forum.reset();
}

void EndToEndTest::TearDownTestSuite() {
    display.reset();
    forum.reset();
    std::filesystem::remove_all(scratch);
}

void EndToEndTest::SetUp() {
    ASSERT_TRUE(display) << "Xvfb did not start";
    ASSERT_TRUE(forum) << "the demo forum did not start";
    forum->setLatency(std::chrono::milliseconds(0));
    std::filesystem::remove(scratch / "program" / "config.ini");
    std::filesystem::remove(scratch / "opened.txt");
    ASSERT_TRUE(launch());
}

void EndToEndTest::TearDown() {
    if (program) program->kill();
    program.reset();
}

bool EndToEndTest::launch() {
    forum->clearRequests();
    program = std::make_unique<ChildProcess>();
    const std::string path = (scratch / "bin").string() + ":" + std::getenv("PATH");
    const bool started = program->start({(scratch / "program" / "pindora").string()},
                                        {{"DISPLAY", display->name()},
                                         {"PINDORA_FORUM_HOST", forum->hostAndPort()},
                                         {"HOME", (scratch / "home").string()},
                                         {"XDG_CONFIG_HOME", (scratch / "home" / ".config").string()},
                                         {"XDG_RUNTIME_DIR", (scratch / "runtime").string()},
                                         {"PATH", path},
                                         {"BROWSER", ""},
                                         {"QT_QPA_PLATFORM", "xcb"}});
    if (!started) return false;
    return waitUntil([this] {
        for (const QRect& window : display->programWindows()) {
            if (window.size() == QSize(650, 667)) {
                mainWindow_ = window;
                return true;
            }
        }
        return false;
    });
}

void EndToEndTest::closeThroughTheSkin() { clickAt(at(650 - 30, 10)); }

QPoint EndToEndTest::boxCentre(int n) const { return onPage(kBoxPlaces[n - 1].x() + 100, kBoxPlaces[n - 1].y() + 100); }

bool EndToEndTest::waitUntil(const std::function<bool()>& done, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

bool EndToEndTest::showsPage(int typeId, int page) const {
    const std::vector<demo::DemoItem> items = forum->items(typeId, page);
    if (items.size() != 6) return false;
    const QImage screen = display->screenshot();
    if (screen.isNull()) return false;
    for (int n = 1; n <= 6; ++n) {
        const QPoint centre = boxCentre(n);
        if (!near(screen.pixelColor(centre), items[n - 1].colour)) return false;
    }
    return true;
}

std::vector<QRect> EndToEndTest::otherWindows() const {
    std::vector<QRect> others;
    for (const QRect& window : display->programWindows()) {
        if (window != mainWindow_) others.push_back(window);
    }
    return others;
}

std::vector<std::string> EndToEndTest::browserAddresses() {
    std::vector<std::string> addresses;
    std::ifstream in(scratch / "opened.txt");
    for (std::string line; std::getline(in, line);) addresses.push_back(line);
    return addresses;
}

}  // namespace pindora::e2e
