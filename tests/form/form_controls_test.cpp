#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/resource.h>

#include "platform/codepage/codepage.h"
#include "platform/form/form.h"
#include "platform/form/form_qt.h"
#include "tests/form/save_dialog_answer.h"
#include "tools/demo-forum/demo_forum.h"
#include "tests/support/waiting.h"

namespace pindora {
namespace {

ControlDescription control(ControlKind kind, const char* name, const char* parent, int x = 0, int y = 0,
                           int width = 80, int height = 24, const char* text = "") {
    ControlDescription description;
    description.kind = kind;
    description.formName = utf8ToCp936(name);
    description.parentName = utf8ToCp936(parent);
    description.x = x;
    description.y = y;
    description.width = width;
    description.height = height;
    description.text = utf8ToCp936(text);
    return description;
}

void press(QWidget* widget, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

class FormControlsTest : public testing::Test {
protected:
    void SetUp() override {
        FormDescription form;
        form.title = utf8ToCp936(" 测试");
        form.x = 50;
        form.y = 50;
        form.width = 650;
        form.height = 667;
        form.frameless = true;
        ControlDescription tabs = control(ControlKind::TabControl, "选择夹", "", 10, 121, 630, 511);
        tabs.pageTexts = {"1", "2", "3"};
        ControlDescription box1 = control(ControlKind::PictureBox, "图片框1", "选择夹", 6, 9, 200, 200);
        box1.page = 1;
        box1.handCursor = true;
        ControlDescription box2 = control(ControlKind::PictureBox, "图片框2", "选择夹", 213, 9, 200, 200);
        box2.page = 1;
        ControlDescription group = control(ControlKind::GroupBox, "分组框", "选择夹", 94, 95, 432, 192, "联系我们");
        group.page = 3;
        ControlDescription button = control(ControlKind::PushButton, "按钮", "选择夹", 307, 443, 80, 32, "上一页");
        button.page = 1;
        form.controls = {
            tabs, box1, box2, group, button,
            control(ControlKind::Label, "标签", "分组框", 32, 40, 360, 136, "一\r\n二"),
            control(ControlKind::TransparentLabel, "透明标签", "分组框", 95, 63, 98, 17, "链接"),
            control(ControlKind::EditBox, "编辑框", "", 54, 95, 512, 248, "关于\r\n我们"),
            control(ControlKind::Menu, "菜单", "", 0, 0, 0, 0, "菜单"),
            control(ControlKind::MenuItem, "复制", "菜单", 0, 0, 0, 0, "复制"),
            control(ControlKind::MenuItem, "另存为", "菜单", 0, 0, 0, 0, "另存为"),
            control(ControlKind::FileDialog, "通用对话框1", ""),
            control(ControlKind::Timer, "时钟1", ""),
            control(ControlKind::WebView, "超文本浏览框1", "", 960, 392, 72, 32),
        };
        window = createMainWindow(form);
    }
    void TearDown() override { destroyMainWindow(); }

    static ControlRef named(const char* name) { return findControl(utf8ToCp936(name)); }
    static QWidget* widget(const char* name) { return controlWidget(named(name)); }

    ControlRef window;
};

TEST_F(FormControlsTest, ControlsSitOnTheirPagesAtTheirPlaces) {
    QWidget* main = mainWindowWidget();
    EXPECT_TRUE(main->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(main->geometry(), QRect(50, 50, 650, 667));
    EXPECT_EQ(main->windowTitle(), QString::fromUtf8(" 测试"));

    // Pages fill the tab control: a page's children are placed relative to the control.
    QWidget* tabs = widget("选择夹");
    EXPECT_EQ(tabs->geometry(), QRect(10, 121, 630, 511));
    EXPECT_EQ(widget("图片框2")->mapTo(tabs, QPoint(0, 0)), QPoint(213, 9));
    EXPECT_EQ(widget("图片框1")->parentWidget(), widget("按钮")->parentWidget());
    EXPECT_NE(widget("分组框")->parentWidget(), widget("按钮")->parentWidget());
    EXPECT_EQ(widget("标签")->parentWidget(), widget("分组框"));
    EXPECT_EQ(widget("标签")->geometry(), QRect(32, 40, 360, 136));
    EXPECT_EQ(widget("图片框1")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(widget("图片框2")->cursor().shape(), Qt::ArrowCursor);

    EXPECT_EQ(static_cast<QLabel*>(widget("标签"))->text(), QString::fromUtf8("一\n二"));
    EXPECT_EQ(static_cast<QPlainTextEdit*>(widget("编辑框"))->toPlainText(), QString::fromUtf8("关于\n我们"));
    EXPECT_EQ(static_cast<QAbstractButton*>(widget("按钮"))->text(), QString::fromUtf8("上一页"));
    // Controls without widgets are still found by name; the web view lies outside the window.
    EXPECT_TRUE(named("通用对话框1").valid());
    EXPECT_TRUE(named("时钟1").valid());
    EXPECT_TRUE(named("复制").valid());
    EXPECT_FALSE(widget("超文本浏览框1")->isVisible());

    // Switching pages: the page shown follows; an index outside the pages changes nothing.
    const ControlRef tabControl = named("选择夹");
    EXPECT_EQ(currentTabPage(tabControl), 0);
    setCurrentTabPage(tabControl, 2);
    EXPECT_EQ(currentTabPage(tabControl), 2);
    for (int outside : {-1, 3, 100}) {
        setCurrentTabPage(tabControl, outside);
        EXPECT_EQ(currentTabPage(tabControl), 2);
    }
}

TEST_F(FormControlsTest, EventsReachTheirHandlersWithTheirSource) {
    std::vector<std::pair<ControlRef, FormEvent>> seen;
    auto record = [&seen](FormEvent event) { return [&seen, event](ControlRef source) { seen.emplace_back(source, event); }; };
    int created = 0;
    setEventHandler(window, FormEvent::Created, [&created](ControlRef) { ++created; });
    setEventHandler(named("按钮"), FormEvent::Click, record(FormEvent::Click));
    setEventHandler(named("图片框1"), FormEvent::LeftPress, record(FormEvent::LeftPress));
    setEventHandler(named("图片框1"), FormEvent::RightPress, record(FormEvent::RightPress));
    setEventHandler(named("透明标签"), FormEvent::LeftPress, record(FormEvent::LeftPress));
    setEventHandler(named("复制"), FormEvent::Click, record(FormEvent::Click));

    showMainWindow();
    showMainWindow();  // Created is delivered once
    EXPECT_EQ(created, 1);

    static_cast<QAbstractButton*>(widget("按钮"))->click();
    press(widget("图片框1"), Qt::LeftButton);
    press(widget("图片框1"), Qt::RightButton);
    press(widget("图片框2"), Qt::RightButton);  // no handler: nothing
    press(widget("透明标签"), Qt::LeftButton);
    static_cast<QMenu*>(widget("菜单"))->actions().at(0)->trigger();
    const std::vector<std::pair<ControlRef, FormEvent>> expected = {
        {named("按钮"), FormEvent::Click},          {named("图片框1"), FormEvent::LeftPress},
        {named("图片框1"), FormEvent::RightPress},  {named("透明标签"), FormEvent::LeftPress},
        {named("复制"), FormEvent::Click}};
    EXPECT_EQ(seen, expected);

    // Routed: box 2's right presses run box 1's handler, with box 2 as the source, and keep
    // doing so when box 1's handler is replaced later.
    seen.clear();
    routeEvents(named("图片框2"), named("图片框1"), FormEvent::RightPress);
    press(widget("图片框2"), Qt::RightButton);
    setEventHandler(named("图片框1"), FormEvent::RightPress, record(FormEvent::LeftPress));
    press(widget("图片框2"), Qt::RightButton);
    press(widget("图片框2"), Qt::LeftButton);  // only right presses were routed
    const std::vector<std::pair<ControlRef, FormEvent>> routed = {{named("图片框2"), FormEvent::RightPress},
                                                                   {named("图片框2"), FormEvent::LeftPress}};
    EXPECT_EQ(seen, routed);
    EXPECT_FALSE(deliverEvent(named("图片框2"), FormEvent::Click));
}

TEST_F(FormControlsTest, MenuPopsUpAtTheMouse) {
    showMainWindow();
    QCursor::setPos(300, 200);
    popupMenu(named("菜单"));
    auto* menu = static_cast<QMenu*>(widget("菜单"));
    ASSERT_TRUE(processEventsUntil([menu] { return menu->isVisible(); }));
    EXPECT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions().at(1)->text(), QString::fromUtf8("另存为"));
    EXPECT_TRUE(menu->geometry().contains(QCursor::pos()) || menu->pos() == QCursor::pos());
    menu->hide();
}

TEST_F(FormControlsTest, SaveDialogStartsInTheFolderAndAddsTheExtension) {
    showMainWindow();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pindora_save_dialog";
    std::filesystem::create_directories(folder);
    SaveDialogOptions options;
    options.initialDirectory = folder.string();
    options.filter = utf8ToCp936("JPG图片|*.jpg");
    options.defaultExtension = ".jpg";

    QString directory;
    QStringList filters;
    auto answer = answerSaveDialog(QStringLiteral("avatar"), &directory, &filters);
    const std::optional<std::string> chosen = showSaveDialog(named("通用对话框1"), options);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (folder / "avatar.jpg").string());
    EXPECT_EQ(directory.toStdString(), folder.string());
    EXPECT_EQ(filters, QStringList{QString::fromUtf8("JPG图片 (*.jpg)")});

    answer = answerSaveDialog(QString(), &directory, &filters);  // cancelled
    EXPECT_FALSE(showSaveDialog(named("通用对话框1"), options).has_value());

    directory.clear();
    answer = answerSaveDialog(QString(), &directory, &filters);  // would cancel one shown by mistake
    EXPECT_FALSE(showSaveDialog(named("编辑框"), options).has_value());  // no file dialog
    EXPECT_TRUE(directory.isEmpty());
    std::filesystem::remove_all(folder);
}

std::string fileContents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(FormFiles, WritesReplaceWholeAndAFailedWriteKeepsTheOldFile) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pindora_write_bytes";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "a.jpg";

    const Bytes picture = {0xFF, 0xD8, 0x00, 0x0D, 0x0A, 0xFF, 0xD9};
    ASSERT_TRUE(writeFileBytes(file.string(), picture));
    EXPECT_EQ(fileContents(file), std::string(picture.begin(), picture.end()));
    ASSERT_TRUE(writeFileBytes(file.string(), {'o', 'k'}));  // replaced, not appended
    EXPECT_EQ(fileContents(file), "ok");

    // A write that fails part way (the file-size limit, which binds root as well) leaves the
    // existing file as it was and no temporary file behind.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = writeFileBytes(file.string(), Bytes(4096, 0x41));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(fileContents(file), "ok");

    EXPECT_FALSE(writeFileBytes((folder / "missing" / "b.jpg").string(), picture));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    std::filesystem::remove_all(folder);
}

TEST_F(FormControlsTest, WebViewFetchesItsAddressAndShowsNothing) {
    demo::DemoForum forum;
    ASSERT_GT(forum.start(), 0);
    navigateWebView(named("超文本浏览框1"), forum.baseUrl());
    navigateWebView(named("编辑框"), forum.baseUrl() + "/not-a-web-view");  // ignored
    const auto fetched = [&forum] {
        const auto requests = forum.requests();
        return std::any_of(requests.begin(), requests.end(),
                           [](const demo::LoggedRequest& r) { return r.method == "GET" && r.target == "/"; });
    };
    EXPECT_TRUE(processEventsUntil(fetched));
    waitForThreads();
    EXPECT_EQ(forum.requests().size(), 1u);
    EXPECT_FALSE(widget("超文本浏览框1")->isVisible());
}

TEST_F(FormControlsTest, DestroyingTheWindowAbortsASlowFetch) {
    demo::DemoForum forum;
    ASSERT_GT(forum.start(), 0);
    navigateWebView(named("超文本浏览框1"), forum.baseUrl() + "/?latency=3000");
    ASSERT_TRUE(processEventsUntil([&forum] { return !forum.requests().empty(); }));
    QElapsedTimer clock;
    clock.start();
    destroyMainWindow();
    waitForThreads();
    EXPECT_LT(clock.elapsed(), 2000);  // not the server's three seconds
}

TEST(FormLoop, ExitRoutineRunsOnceAfterTheLoop) {
    int calls = 0;
    bool loopEnded = false;
    setExitRoutine([&] {
        ++calls;
        loopEnded = true;
    });
    QTimer::singleShot(0, [&] { EXPECT_FALSE(loopEnded); QCoreApplication::quit(); });
    EXPECT_EQ(runMainLoop(), 0);
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    runMainLoop();
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace pindora

namespace pindora {
namespace {

TEST_F(FormControlsTest, AWindowDestroyedElsewhereTakesItsControlsAlong) {
    const ControlRef box = named("图片框1");
    delete mainWindowWidget();  // as the window layer does when the skin closes the window
    EXPECT_EQ(mainWindowWidget(), nullptr);
    EXPECT_FALSE(named("图片框1").valid());
    setPicture(box, {1});
    EXPECT_TRUE(pictureBytes(box).empty());
    EXPECT_FALSE(deliverEvent(box, FormEvent::LeftPress));
}

TEST(FormPictures, TellsDecodablePicturesFromOtherBytes) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    EXPECT_TRUE(isDecodablePicture(Bytes(png.begin(), png.end())));
    EXPECT_FALSE(isDecodablePicture({}));
    EXPECT_FALSE(isDecodablePicture(toBytes("<html>not found</html>")));
    EXPECT_FALSE(isDecodablePicture(Bytes(png.begin(), png.begin() + 20)));  // cut short
}

}  // namespace
}  // namespace pindora
