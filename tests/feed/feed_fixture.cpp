#include "tests/feed/feed_fixture.h"

#include <QCoreApplication>
#include <cstdlib>

#include "feed/avatar_loader.h"
#include "feed/categories.h"
#include "feed/feed_state.h"
#include "platform/codepage/codepage.h"
#include "platform/form/form_qt.h"
#include "platform/form/picture_box.h"
#include "tests/support/waiting.h"

namespace pindora {

void FeedTest::SetUp() {
    createWindow();
    feedState().clear();
    feedState().setCurrentPage(1);
}

void FeedTest::TearDown() {
    stopAvatarLoads();
    waitForThreads();
    destroyMainWindow();
    feedState().clear();
}

void FeedTest::createWindow(bool oneRadioGroup) {
    FormDescription form;
    form.title = "feed";
    form.width = 650;
    form.height = 667;
    for (int n = 1; n <= 6; ++n) {
        ControlDescription box;
        box.kind = ControlKind::PictureBox;
        box.formName = utf8ToCp936("图片框") + std::to_string(n);
        box.tag = std::to_string(n);
        box.width = box.height = 200;
        form.controls.push_back(box);
    }
    for (int n = 1; n <= 6; ++n) {
        ControlDescription group;
        group.kind = ControlKind::GroupBox;
        group.formName = utf8ToCp936("分组框") + std::to_string(n);
        group.width = 287;
        group.height = 69;
        if (n == 1 || !oneRadioGroup) form.controls.push_back(group);

        ControlDescription button;
        button.kind = ControlKind::RadioButton;
        button.formName = categoryButtonName(n);
        button.parentName = oneRadioGroup ? utf8ToCp936("分组框1") : group.formName;
        button.width = 80;
        button.height = 24;
        button.checked = n == 1;
        form.controls.push_back(button);
    }
    createMainWindow(form);
}

void FeedTest::pointAt(const std::string& hostAndPort) { setenv("PINDORA_FORUM_HOST", hostAndPort.c_str(), 1); }

void FeedTest::checkCategory(int button) { setChecked(findControl(categoryButtonName(button)), true); }

void FeedTest::startLoad() { startAvatarLoad(); }

void FeedTest::runLoad() {
    startLoad();
    waitForThreads();
}

Bytes FeedTest::box(int number) { return pictureBytes(findControlByTag(number)); }

std::vector<Bytes> FeedTest::boxes() {
    std::vector<Bytes> all;
    for (int n = 1; n <= 6; ++n) all.push_back(box(n));
    return all;
}

bool FeedTest::widgetsShow(const std::vector<int>& numbers, const std::vector<int>& empty) {
    auto shows = [](int number) {
        return !static_cast<PictureBox*>(controlWidget(findControlByTag(number)))->currentFrame().isNull();
    };
    auto done = [&] {
        for (int n : numbers) if (!shows(n)) return false;
        for (int n : empty) if (shows(n)) return false;
        return true;
    };
    return processEventsUntil(done);
}

}  // namespace pindora
