#include "tests/app/app_fixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <cstdlib>
#include <fstream>

#include "app/app_state.h"
#include "app/handlers.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "feed/feed_state.h"
#include "platform/codepage/codepage.h"
#include "platform/form/form_qt.h"
#include "skin/skin_state.h"

namespace pindora {

std::filesystem::path AppTest::scratch;

void AppTest::processEventsFor(int milliseconds) {
    processEventsUntil([] { return false; }, std::chrono::milliseconds(milliseconds));
}

void AppTest::SetUpTestSuite() {
    scratch = std::filesystem::temp_directory_path() / ("pindora_app_tests_" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch / "bin");
    std::filesystem::create_directories(scratch / "home" / "Desktop");
    const std::filesystem::path opener = scratch / "bin" / "xdg-open";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << (scratch / "opened.txt").string() << "'\n";
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    const std::string path = (scratch / "bin").string() + ":" + std::getenv("PATH");
    setenv("PATH", path.c_str(), 1);
    // The desktop folder is $HOME/Desktop when no user-dirs file says otherwise.
    setenv("HOME", (scratch / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (scratch / "home" / ".config").c_str(), 1);
}

void AppTest::SetUp() {
    ASSERT_GT(forum.start(), 0);
    host = forum.hostAndPort();
    setenv("PINDORA_FORUM_HOST", host.c_str(), 1);
    std::filesystem::remove(scratch / "opened.txt");

    feedState().clear();
    appState().skin = std::make_unique<SkinFrame>();
    createSkinState();
    window = createMainWindow(mainFormDescription(host));
    bindMainWindowHandlers(window);
    showMainWindow();
}

void AppTest::TearDown() {
    exitRoutine();
    forum.stop();
    unsetenv("PINDORA_FORUM_HOST");
}

ControlRef AppTest::named(const char* utf8Name) { return findControl(utf8ToCp936(utf8Name)); }

void AppTest::click(const char* utf8Name) { static_cast<QAbstractButton*>(controlWidget(named(utf8Name)))->click(); }

void AppTest::press(ControlRef control, bool right) {
    QWidget* widget = controlWidget(control);
    const Qt::MouseButton button = right ? Qt::RightButton : Qt::LeftButton;
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(20, 20), widget->mapToGlobal(QPointF(20, 20)), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

bool AppTest::showsPage(int typeId, int page) const {
    const std::vector<demo::DemoItem> items = forum.items(typeId, page);
    if (items.size() != kThumbnailCount) return false;
    for (int n = 1; n <= kThumbnailCount; ++n) {
        const demo::DemoItem& item = items[n - 1];
        const std::optional<std::string> served = forum.thumbnailBytes(item.thumbnailSrc);
        const Bytes shown = pictureBytes(box(n));
        const std::optional<Text> link = feedState().linkAt(n);
        if (!served || Bytes(served->begin(), served->end()) != shown) return false;
        if (!link || link->find("tid=" + std::to_string(item.tid)) == Text::npos) return false;
    }
    return true;
}

std::vector<std::string> AppTest::browserAddresses() {
    std::vector<std::string> addresses;
    std::ifstream in(scratch / "opened.txt");
    for (std::string line; std::getline(in, line);) addresses.push_back(line);
    return addresses;
}

}  // namespace pindora
