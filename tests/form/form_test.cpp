#include <QCoreApplication>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <thread>

#include "platform/codepage/codepage.h"
#include "platform/form/form.h"
#include "platform/form/form_qt.h"
#include "platform/form/picture_box.h"
#include "tests/support/waiting.h"

namespace pindora {
namespace {

ControlDescription control(ControlKind kind, const char* name, const char* parent, const char* tag = "",
                           bool checked = false) {
    ControlDescription description;
    description.kind = kind;
    description.formName = utf8ToCp936(name);
    description.parentName = utf8ToCp936(parent);
    description.width = 200;
    description.height = 200;
    description.text = utf8ToCp936(name);
    description.tag = tag;
    description.checked = checked;
    return description;
}

class FormTest : public testing::Test {
protected:
    void SetUp() override {
        FormDescription form;
        form.title = utf8ToCp936("测试");
        form.width = 650;
        form.height = 667;
        form.controls = {
            control(ControlKind::PictureBox, "图片框1", "", "1"),
            control(ControlKind::PictureBox, "图片框2", "", " 02 "),
            control(ControlKind::PictureBox, "图片框7", "", "7x"),
            control(ControlKind::GroupBox, "分组框1", ""),
            control(ControlKind::RadioButton, "单选框1", "分组框1", "", true),
            control(ControlKind::RadioButton, "单选框2", "分组框1"),
            control(ControlKind::RadioButton, "单选框3", "分组框1"),
        };
        window = createMainWindow(form);
    }
    void TearDown() override { destroyMainWindow(); }

    static ControlRef named(const char* name) { return findControl(utf8ToCp936(name)); }

    ControlRef window;
};

TEST_F(FormTest, FindsControlsByFormNameAndNumericTag) {
    ASSERT_TRUE(window.valid());
    const ControlRef box1 = named("图片框1");
    ASSERT_TRUE(box1.valid());
    EXPECT_EQ(box1.window, window.window);
    EXPECT_EQ(findControlByTag(1), box1);
    EXPECT_EQ(findControlByTag(2), named("图片框2"));  // " 02 " read as a number
    EXPECT_FALSE(findControlByTag(7).valid());           // "7x" is not a number
    EXPECT_FALSE(findControlByTag(0).valid());           // an empty tag is no number either
    EXPECT_FALSE(named("图片框9").valid());
    EXPECT_EQ(controlWidget(box1)->parentWidget(), mainWindowWidget());
    EXPECT_EQ(controlWidget(named("单选框2"))->parentWidget(), controlWidget(named("分组框1")));
}

TEST_F(FormTest, RadioButtonsFormOneGroupAndFollowClicks) {
    const ControlRef first = named("单选框1"), second = named("单选框2"), third = named("单选框3");
    EXPECT_TRUE(isChecked(first));
    EXPECT_FALSE(isChecked(second));

    static_cast<QRadioButton*>(controlWidget(third))->click();  // the user's click
    EXPECT_TRUE(isChecked(third));
    EXPECT_FALSE(isChecked(first));

    setChecked(second, true);
    EXPECT_TRUE(static_cast<QRadioButton*>(controlWidget(second))->isChecked());
    EXPECT_FALSE(isChecked(third));

    setChecked(second, false);  // none checked
    EXPECT_FALSE(static_cast<QRadioButton*>(controlWidget(second))->isChecked());
    EXPECT_FALSE(isChecked(first) || isChecked(second) || isChecked(third));
}

TEST_F(FormTest, PictureReadsBackTheSameBytes) {
    const ControlRef box = named("图片框1");
    const Bytes junk = {0x00, 0xFF, 0x10, 0x00, 0x7F};
    setPicture(box, junk);
    EXPECT_EQ(pictureBytes(box), junk);
    setPicture(box, {});
    EXPECT_TRUE(pictureBytes(box).empty());
    EXPECT_TRUE(pictureBytes(named("单选框1")).empty());  // not a picture box
}

TEST_F(FormTest, WorkerWritesReachTheWidgetsThroughTheWindowThread) {
    const ControlRef box = named("图片框2"), radio = named("单选框3");
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a'};
    std::thread worker([&] {
        setPicture(box, gif);
        setChecked(radio, true);
        // The worker reads its own writes at once, before the window thread has caught up.
        EXPECT_EQ(pictureBytes(box), gif);
        EXPECT_TRUE(isChecked(radio));
        EXPECT_FALSE(isChecked(named("单选框1")));
    });
    // The window thread is busy joining the worker: nothing the worker does may wait for it.
    worker.join();
    auto* button = static_cast<QRadioButton*>(controlWidget(radio));
    EXPECT_FALSE(button->isChecked());
    EXPECT_TRUE(processEventsUntil([&] { return button->isChecked(); }));
    EXPECT_FALSE(static_cast<QRadioButton*>(controlWidget(named("单选框1")))->isChecked());
    EXPECT_TRUE(isChecked(radio));
}

TEST_F(FormTest, WritesToADestroyedWindowAreDropped) {
    const ControlRef box = named("图片框1");
    std::thread worker([&] { setPicture(box, {1, 2, 3}); });
    worker.join();
    destroyMainWindow();  // with the update still queued
    QCoreApplication::processEvents();
    setPicture(box, {4});
    EXPECT_TRUE(pictureBytes(box).empty());
    EXPECT_FALSE(findControl(utf8ToCp936("图片框1")).valid());
}

TEST(FormThreads, StartedThreadsRunAndAreJoined) {
    std::atomic<int> ran{0};
    for (int i = 0; i < 8; ++i) startThread([&ran] { ran.fetch_add(1); });
    waitForThreads();
    EXPECT_EQ(ran.load(), 8);
}

}  // namespace
}  // namespace pindora
