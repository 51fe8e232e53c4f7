// The main window's handlers against the demo forum, driven as a user would.

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QTimer>
#include <fstream>
#include <memory>

#include "app/app_state.h"
#include "app/handlers.h"
#include "app/startup.h"
#include "feed/feed_state.h"
#include "platform/codepage/codepage.h"
#include "platform/form/form_qt.h"
#include "skin/message_box_model.h"
#include "tests/app/app_fixture.h"
#include "tests/form/save_dialog_answer.h"

namespace pindora {
namespace {

using PagesServed = std::vector<std::pair<int, int>>;

// What the next skinned message box shows; it is then closed.
struct ShownMessage {
    bool shown = false;
    Text title;
    std::vector<Text> lines;
    std::vector<Text> buttons;
    int defaultButton = 0;
};

// Closes the next message box and notes what it showed. The watch ends when the returned handle
// goes, so it never writes into a `seen` that is gone.
[[nodiscard]] std::unique_ptr<QTimer> closeNextMessageBox(ShownMessage* seen) {
    auto poll = std::make_unique<QTimer>();
    QObject::connect(poll.get(), &QTimer::timeout, [timer = poll.get(), seen] {
        const MessageBoxState& box = messageBoxState();
        if (box.messageBoxWindow == 0) return;
        seen->shown = true;
        seen->title = box.messageBoxTitle;
        seen->lines = box.messageBoxLines;
        for (std::size_t i = 0; i < box.messageBoxButtons.size(); ++i) {
            seen->buttons.push_back(box.messageBoxButtons[i].label);
            if (box.messageBoxButtons[i].isDefault) seen->defaultButton = static_cast<int>(i) + 1;
        }
        timer->stop();
        sendMessage(box.messageBoxWindow, Message::Close);
    });
    poll->start(20);
    return poll;
}

QMenu* contextMenu() { return static_cast<QMenu*>(controlWidget(findControl(utf8ToCp936("菜单")))); }

std::string fileContents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

QImage decoded(const Bytes& bytes) { return QImage::fromData(bytes.data(), static_cast<int>(bytes.size())); }

using HandlersTest = AppTest;

TEST_F(HandlersTest, CategoryClicksAndPagingLoadTheRightPages) {
    ASSERT_TRUE(waitForPage(132, 1));
    click("单选框3");  // 情侣头像: routed to the category handler
    ASSERT_TRUE(waitForPage(131, 1));
    click("按钮4");
    ASSERT_TRUE(waitForPage(131, 2));
    click("按钮4");
    ASSERT_TRUE(waitForPage(131, 3));
    click("按钮5");
    ASSERT_TRUE(waitForPage(131, 2));
    EXPECT_EQ(feedState().currentPage(), 2);
    // A category click from a later page loads page 1 of the new category.
    click("单选框5");
    ASSERT_TRUE(waitForPage(135, 1));
    EXPECT_EQ(listPagesServed(), (PagesServed{{132, 1}, {131, 1}, {131, 2}, {131, 3}, {131, 2}, {135, 1}}));
}

TEST_F(HandlersTest, PreviousOnTheFirstPageShowsTheMessageAndLoadsNothing) {
    ASSERT_TRUE(waitForPage(132, 1));
    ShownMessage seen;
    const auto closer = closeNextMessageBox(&seen);
    click("按钮5");  // returns when the box is closed
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, utf8ToCp936("信息："));
    EXPECT_EQ(seen.buttons, std::vector<Text>{utf8ToCp936("确定")});
    Text text;
    for (const Text& line : seen.lines) text += line;
    EXPECT_EQ(text, utf8ToCp936("请翻下一页,这已经是第一页了!!"));
    processEventsFor(200);
    EXPECT_EQ(listPagesServed(), (PagesServed{{132, 1}}));
    EXPECT_EQ(feedState().currentPage(), 1);
}

TEST_F(HandlersTest, ExtraButtonsShowTheirTips) {
    struct Case {
        int index;
        const char* start;
    };
    for (const Case& c : {Case{0, "请将鼠标移动到头像，点击右键。"}, Case{1, "     如若遇到需要帮助，请点击"}}) {
        ShownMessage seen;
        const auto closer = closeNextMessageBox(&seen);
        onExtraButton(c.index);
        ASSERT_TRUE(seen.shown) << c.index;
        EXPECT_EQ(seen.title, utf8ToCp936("提示："));
        EXPECT_EQ(seen.buttons, (std::vector<Text>{utf8ToCp936("确定"), utf8ToCp936("取消")}));
        EXPECT_EQ(seen.defaultButton, 1);
        ASSERT_FALSE(seen.lines.empty());
        EXPECT_EQ(seen.lines[0].rfind(utf8ToCp936(c.start).substr(0, 16), 0), 0u);
    }
    onExtraButton(2);  // nothing: no box to close, and no wait
    onExtraButton(-1);
    EXPECT_EQ(messageBoxState().messageBoxWindow, 0u);
}

TEST_F(HandlersTest, LeftPressOpensTheThreadOfTheBoxAndNothingWithoutALink) {
    ASSERT_TRUE(waitForPage(132, 1));
    press(box(4), false);
    const demo::DemoItem item = forum.items(132, 1).at(3);
    ASSERT_TRUE(waitUntil([] { return !browserAddresses().empty(); }));
    EXPECT_EQ(browserAddresses(), std::vector<std::string>{"http://" + host + "/forum.php?mod=viewthread&tid=" +
                                                             std::to_string(item.tid)});

    // Past the last page there are no items and so no links: a press opens nothing.
    feedState().setCurrentPage(40);
    onNextPage({});
    ASSERT_TRUE(waitUntil([this] { return listPagesServed().size() == 2 && !feedState().linkAt(1); }));
    processEventsFor(300);
    press(box(1), false);
    processEventsFor(300);
    EXPECT_EQ(browserAddresses().size(), 1u);
}

TEST_F(HandlersTest, LabelsOpenTheirForumPages) {
    press(named("透明标签3"), false);
    press(named("图片框7"), false);
    press(named("透明标签1"), false);
    press(named("透明标签4"), false);
    ASSERT_TRUE(waitUntil([] { return browserAddresses().size() == 4; }));
    const std::string base = "http://" + host;
    std::vector<std::string> opened = browserAddresses();
    std::sort(opened.begin(), opened.end());
    std::vector<std::string> expected = {base + "/plugin.php?id=waterfall:waterfall",
                                         base + "/forum.php?mod=forumdisplay&fid=63",
                                         base + "/forum.php?mod=forumdisplay&fid=83", base + "/"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(opened, expected);
}

TEST_F(HandlersTest, RightPressesOpenTheMenuOnBoxOneUntilACategoryIsClicked) {
    ASSERT_TRUE(waitForPage(132, 1));
    press(box(3), true);
    processEventsFor(100);
    EXPECT_FALSE(contextMenu()->isVisible());
    press(box(1), true);
    EXPECT_TRUE(waitUntil([] { return contextMenu()->isVisible(); }));
    EXPECT_EQ(appState().menuTarget, box(1));
    contextMenu()->hide();

    click("单选框1");
    ASSERT_TRUE(waitForPageAgain(2, 132, 1));
    press(box(4), true);
    EXPECT_TRUE(waitUntil([] { return contextMenu()->isVisible(); }));
    EXPECT_EQ(appState().menuTarget, box(4));
    contextMenu()->hide();
}

TEST_F(HandlersTest, CopyPutsTheDecodedPictureOnTheClipboard) {
    ASSERT_TRUE(waitForPage(132, 1));
    press(box(1), true);
    contextMenu()->actions().at(0)->trigger();  // 复制
    const QImage copied = QGuiApplication::clipboard()->image();
    const QImage shown = decoded(pictureBytes(box(1)));
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), shown.size());
    EXPECT_EQ(copied.pixelColor(100, 100).rgb(), shown.pixelColor(100, 100).rgb());

    // A box whose bytes are no picture leaves the clipboard alone.
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    setPicture(box(1), toBytes("<html>404</html>"));
    onCopyPicture({});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST_F(HandlersTest, SaveWritesTheServedBytesWhereTheUserChose) {
    ASSERT_TRUE(waitForPage(132, 1));
    click("单选框1");  // so that box 2 answers right presses too
    ASSERT_TRUE(waitForPageAgain(2, 132, 1));
    press(box(2), true);
    contextMenu()->hide();

    const std::filesystem::path desktop = scratch / "home" / "Desktop";
    const std::filesystem::path target = desktop / "avatar.jpg";
    std::ofstream(target) << "an older file";
    QString directory;
    QStringList filters;
    auto answer = answerSaveDialog(QStringLiteral("avatar"), &directory, &filters);  // typed without ".jpg"
    onSavePicture({});
    EXPECT_EQ(directory.toStdString(), desktop.string());
    EXPECT_EQ(filters, QStringList{QString::fromUtf8("JPG图片 (*.jpg)")});
    const demo::DemoItem item = forum.items(132, 1).at(1);
    EXPECT_EQ(fileContents(target), *forum.thumbnailBytes(item.thumbnailSrc));  // replaced, unchanged bytes

    // Cancelled: nothing written.
    std::filesystem::remove(target);
    answer = answerSaveDialog(QString(), &directory, &filters);
    onSavePicture({});
    EXPECT_FALSE(std::filesystem::exists(target));

    // No decodable picture in the box: no dialog at all.
    setPicture(box(2), toBytes("not a picture"));
    directory.clear();
    answer = answerSaveDialog(QStringLiteral("never"), &directory, &filters);
    onSavePicture({});
    processEventsFor(200);
    EXPECT_TRUE(directory.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(desktop / "never.jpg"));
}

TEST_F(HandlersTest, NavigationItemsShowTheirPages) {
    const ControlRef tabs = named("高级选择夹1");
    for (int index : {2, 4, 1, 3, 0}) {
        onNavItem(index);
        EXPECT_EQ(currentTabPage(tabs), index);
    }
    for (int outside : {-1, 5, 100}) {
        onNavItem(outside);
        EXPECT_EQ(currentTabPage(tabs), 0);
    }
}

TEST_F(HandlersTest, ExitDuringASlowLoadStopsItBeforeFreeingTheState) {
    ASSERT_TRUE(waitForPage(132, 1));
    forum.setLatency(std::chrono::milliseconds(3000));
    click("按钮4");
    ASSERT_TRUE(waitUntil([this] { return listPagesServed().size() == 2; }));
    QElapsedTimer clock;
    clock.start();
    exitRoutine();
    EXPECT_LT(clock.elapsed(), 2000);  // the load was aborted, not waited out
    EXPECT_TRUE(feedState().avatarLinks().empty());
    EXPECT_EQ(appState().skin, nullptr);
    EXPECT_EQ(mainWindowWidget(), nullptr);
    processEventsFor(100);
    EXPECT_TRUE(feedState().avatarLinks().empty());  // the stopped load wrote nothing more
    // TearDown runs the routine again, as a second end of the program would: it must be harmless.
}

}  // namespace
}  // namespace pindora
