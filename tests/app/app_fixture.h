#pragma once
// The program as start-up leaves it, against a demo forum of its own: the skin object and its
// module state, the main window with its handlers, shown (so the first load has started).
// TearDown runs the exit routine. The browser is a recording stand-in: an xdg-open on PATH
// that writes the addresses it is given to a file.

#include <QString>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/form/form.h"
#include "tools/demo-forum/demo_forum.h"
#include "tests/support/waiting.h"

namespace pindora {

class AppTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite() { std::filesystem::remove_all(scratch); }
    void SetUp() override;
    void TearDown() override;

    // Runs the window thread's events until `done` holds or `milliseconds` have passed.
    template <typename Condition>
    static bool waitUntil(Condition done, int milliseconds = 15000);
    static void processEventsFor(int milliseconds);

    static ControlRef named(const char* utf8Name);
    static ControlRef box(int n) { return findControlByTag(n); }
    static void click(const char* utf8Name);
    static void press(ControlRef control, bool right);

    // The list pages the forum served, as (type id, page), in order.
    std::vector<std::pair<int, int>> listPagesServed() const { return forum.listPagesServed(); }
    // True when the boxes and links hold the six items of that list page.
    bool showsPage(int typeId, int page) const;
    bool waitForPage(int typeId, int page) { return waitUntil([&] { return showsPage(typeId, page); }); }
    // After a click that loads the page already shown: the forum has served the `served`th list
    // page and the boxes, emptied when that load began, show the page again.
    bool waitForPageAgain(std::size_t served, int typeId, int page) {
        return waitUntil([&] { return listPagesServed().size() >= served && showsPage(typeId, page); });
    }

    // The addresses handed to the browser so far.
    static std::vector<std::string> browserAddresses();

    static std::filesystem::path scratch;
    demo::DemoForum forum;
    std::string host;
    ControlRef window;
};

template <typename Condition>
bool AppTest::waitUntil(Condition done, int milliseconds) {
    return processEventsUntil(done, std::chrono::milliseconds(milliseconds));
}

}  // namespace pindora
