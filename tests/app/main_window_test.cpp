// The main window as start-up leaves it: controls, texts, the skin's navigation bar and notice.

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocumentFragment>

#include <algorithm>

#include "app/app_state.h"
#include "app/info_texts.h"
#include "feed/feed_state.h"
#include "platform/form/form_window_handle.h"
#include "platform/codepage/codepage.h"
#include "platform/form/form_qt.h"
#include "skin/skin_state.h"
#include "tests/app/app_fixture.h"

namespace pindora {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }
// The text a label shows, as plain text with its blanks and line breaks.
QString shownText(const char* labelName) {
    const QString text = static_cast<QLabel*>(controlWidget(findControl(utf8ToCp936(labelName))))->text();
    return QTextDocumentFragment::fromHtml(text)
        .toPlainText()
        .replace(QChar(0x2002), QLatin1Char(' '))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
}

using MainWindowTest = AppTest;

TEST_F(MainWindowTest, ControlsStandAtTheirPlacesWithTheirTexts) {
    QWidget* main = mainWindowWidget();
    EXPECT_EQ(main->geometry(), QRect(50, 50, 650, 667));
    EXPECT_EQ(main->windowTitle(), utf8(" Pindora v2.0"));
    EXPECT_TRUE(main->windowFlags() & Qt::FramelessWindowHint);
    const QList<QSize> iconSizes = main->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(256, 256)));

    QWidget* tabs = controlWidget(named("高级选择夹1"));
    EXPECT_EQ(tabs->geometry(), QRect(10, 121, 630, 511));
    struct Place {
        const char* name;
        QRect rect;  // relative to the tab control for page children, else to the parent
    };
    const Place onPages[] = {
        {"图片框1", {6, 9, 200, 200}},     {"图片框2", {213, 9, 200, 200}},   {"图片框3", {422, 9, 200, 200}},
        {"图片框4", {6, 217, 200, 200}},   {"图片框5", {213, 218, 200, 200}}, {"图片框6", {422, 218, 200, 200}},
        {"分组框1", {7, 426, 287, 69}},    {"按钮5", {307, 443, 80, 32}},     {"按钮4", {403, 443, 80, 32}},
        {"透明标签3", {510, 471, 112, 32}}, {"编辑框1", {54, 95, 512, 248}},   {"分组框2", {94, 95, 432, 192}},
        {"分组框3", {134, 151, 376, 120}}, {"图片框7", {182, 343, 289, 55}},  {"分组框4", {54, 63, 512, 272}},
        {"透明标签2", {114, 362, 412, 45}},
    };
    for (const Place& place : onPages) {
        QWidget* widget = controlWidget(named(place.name));
        ASSERT_NE(widget, nullptr) << place.name;
        EXPECT_EQ(QRect(widget->mapTo(tabs, QPoint(0, 0)), widget->size()), place.rect) << place.name;
    }
    const Place inGroups[] = {
        {"单选框1", {7, 13, 80, 24}},  {"单选框2", {95, 13, 80, 24}},  {"单选框3", {191, 13, 80, 24}},
        {"单选框4", {95, 38, 80, 24}}, {"单选框5", {7, 38, 80, 24}},   {"单选框6", {191, 38, 80, 24}},
        {"标签1", {32, 40, 360, 136}}, {"透明标签4", {95, 63, 98, 17}}, {"标签2", {24, 40, 320, 64}},
        {"标签3", {32, 40, 440, 200}}, {"透明标签1", {213, 178, 80, 24}},
    };
    for (const Place& place : inGroups) {
        QWidget* widget = controlWidget(named(place.name));
        ASSERT_NE(widget, nullptr) << place.name;
        EXPECT_EQ(widget->geometry(), place.rect) << place.name;
    }
    // The pages: feed, about, contact, feedback with the banner, usage.
    EXPECT_EQ(controlWidget(named("图片框1"))->parentWidget(), controlWidget(named("按钮4"))->parentWidget());
    EXPECT_NE(controlWidget(named("编辑框1"))->parentWidget(), controlWidget(named("按钮4"))->parentWidget());

    const char* categories[] = {"男生头像", "女生头像", "情侣头像", "文字头像", "卡通头像", "其他头像"};
    for (int n = 1; n <= 6; ++n) {
        auto* radio = static_cast<QRadioButton*>(controlWidget(named(("单选框" + std::to_string(n)).c_str())));
        EXPECT_EQ(radio->text(), utf8(categories[n - 1]));
        EXPECT_EQ(radio->isChecked(), n == 1);
        EXPECT_EQ(controlWidget(box(n)), controlWidget(named(("图片框" + std::to_string(n)).c_str())));
        EXPECT_EQ(controlWidget(box(n))->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(static_cast<QAbstractButton*>(controlWidget(named("按钮5")))->text(), utf8("上一页"));
    EXPECT_EQ(static_cast<QAbstractButton*>(controlWidget(named("按钮4")))->text(), utf8("下一页"));
    EXPECT_EQ(static_cast<QLabel*>(controlWidget(named("透明标签4")))->text(), QString::fromStdString(host));
    EXPECT_EQ(controlWidget(named("透明标签4"))->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(pictureBytes(named("图片框7")).empty());  // the banner
    EXPECT_TRUE(named("通用对话框1").valid());
    EXPECT_TRUE(named("时钟1").valid());
    EXPECT_TRUE(named("超文本浏览框1").valid());
}

TEST_F(MainWindowTest, InformationTextsAreExact) {
    const QString about = static_cast<QPlainTextEdit*>(controlWidget(named("编辑框1")))->toPlainText();
    EXPECT_TRUE(about.startsWith(utf8("关于我们：\n\n        Valdren综合社区拥有一个强大的管理团队")));
    EXPECT_TRUE(about.endsWith(utf8("                    Valdren综合社区     ") + QString::fromStdString(host) +
                               "\n \n\n         "));
    EXPECT_EQ(aboutText("h").size(), aboutText("").size() + 1);

    const QString contact = shownText("标签1");
    EXPECT_TRUE(contact.startsWith(utf8("\n\n联系我们（               ）\n\n     Email：")));
    EXPECT_TRUE(contact.endsWith(utf8("\n\n 您有好的意见或者建议欢迎投稿至邮箱，我们会在24小时内处理。 ")));
    EXPECT_EQ(shownText("标签2"),
              utf8("每一个软件都在用心在写，时刻站在用户体验的角度出发。\n\n如若您觉得那里不够满足您的需求，请随时与我们联系"));
    const QString usage = shownText("标签3");
    EXPECT_TRUE(usage.startsWith(utf8("1：选择头像类型(鼠标点击头像类型下的“男生头像”、“情侣头像”等)\n\n2：")));
    EXPECT_TRUE(usage.endsWith(utf8("发布流程：注册社区账号 - 发贴 - 发布您喜爱的头像 - 点击确定 - 软件内自动收录")));
    EXPECT_EQ(static_cast<QLabel*>(controlWidget(named("透明标签2")))->text(),
              utf8("每一个头像内含有数十个头像，也许有更好看的头像等着你，点击查看"));
}

TEST_F(MainWindowTest, CreatedHandlerFillsTheSkinAndStartsTheFirstLoad) {
    // The first load: 男生头像 (type 132), page 1, without any click.
    EXPECT_TRUE(waitForPage(132, 1));
    EXPECT_EQ(listPagesServed(), (std::vector<std::pair<int, int>>{{132, 1}}));
    EXPECT_EQ(feedState().currentPage(), 1);

    const SkinState& skin = skinState();
    EXPECT_EQ(skin.skinWindow, windowHandleOf(window));
    ASSERT_EQ(skin.navItems.size(), 5u);
    const char* texts[] = {"  首页", "关于我们", "联系我们", "提交BUG", "使用说明"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(skin.navItems[i].text, utf8ToCp936(texts[i]));
    EXPECT_EQ(skin.navItems[0].state, StateSelected);
    EXPECT_EQ(appState().skin->noticeText(), noticeText(host));
    EXPECT_TRUE(appState().skin->noticeText().ends_with(host));

    // The hidden web view has fetched the forum's home page.
    EXPECT_TRUE(waitUntil([this] {
        const auto requests = forum.requests();
        return std::any_of(requests.begin(), requests.end(), [](const auto& r) { return r.target == "/"; });
    }));
}

}  // namespace
}  // namespace pindora
