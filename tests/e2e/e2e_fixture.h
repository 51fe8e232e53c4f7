#pragma once
// The program as a user meets it: one Xvfb and one demo forum for the whole suite, and a fresh
// Pindora for each test, run from its own copy (so its config.ini is the test's own), with
// HOME in a scratch folder and a recording browser: an xdg-open on PATH that writes the
// addresses it is given to a file.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/desktop_session.h"
#include "tools/demo-forum/demo_forum.h"

namespace pindora::e2e {

class EndToEndTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Starts the program and waits for its main window; false when it did not appear.
    bool launch();
    // Asks the program to close through the skin's close button.
    void closeThroughTheSkin();

    // Where the main window is on the screen.
    QRect mainWindow() const { return mainWindow_; }
    // A point of the main window, in window pixels, on the screen.
    QPoint at(int x, int y) const { return mainWindow_.topLeft() + QPoint(x, y); }
    // A point inside the tab control's pages.
    QPoint onPage(int x, int y) const { return at(10 + x, 121 + y); }
    QPoint boxCentre(int n) const;
    void clickAt(QPoint point, int button = 1) const { display->click(point.x(), point.y(), button); }

    // Polls (at most `milliseconds`) until `done` holds.
    static bool waitUntil(const std::function<bool()>& done, int milliseconds = 15000);
    // True once the six boxes show the thumbnails of that list page (their dominant colours).
    bool showsPage(int typeId, int page) const;
    bool waitForPage(int typeId, int page) { return waitUntil([&] { return showsPage(typeId, page); }); }
    std::vector<std::pair<int, int>> listPagesServed() const { return forum->listPagesServed(); }
    std::vector<QRect> otherWindows() const;  // the program's windows besides the main window
    static std::vector<std::string> browserAddresses();

    static std::unique_ptr<XDisplay> display;
    static std::unique_ptr<demo::DemoForum> forum;
    static std::filesystem::path scratch;
    std::unique_ptr<ChildProcess> program;
    QRect mainWindow_;
};

// Colours within `tolerance` in each channel (JPEG thumbnails are near, not exact).
bool near(QColor colour, std::uint32_t rgb, int tolerance = 24);

}  // namespace pindora::e2e
