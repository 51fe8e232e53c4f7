// Pindora as a user meets it, under Xvfb against the demo forum.

#include <QBuffer>
#include <fstream>

#include "assets/assets.h"
#include "skin/skin_picker_model.h"
#include "tests/e2e/e2e_fixture.h"

namespace pindora::e2e {
namespace {

using PagesServed = std::vector<std::pair<int, int>>;

// Category buttons inside 分组框1 (at 7, 426 on page 1): the point of button N's indicator.
QPoint categoryButton(int n) {
    constexpr std::array<QPoint, 6> places = {{{7, 13}, {95, 13}, {191, 13}, {95, 38}, {7, 38}, {191, 38}}};
    return QPoint(7, 426) + places[n - 1] + QPoint(9, 12);
}
const QPoint kPreviousButton(307 + 40, 443 + 16);
const QPoint kNextButton(403 + 40, 443 + 16);

std::string fileContents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

using EndToEnd = EndToEndTest;

TEST_F(EndToEnd, FirstPageShowsSixThumbnailsOfTheFirstCategory) {
    EXPECT_TRUE(waitForPage(132, 1));
    EXPECT_EQ(listPagesServed(), (PagesServed{{132, 1}}));
}

TEST_F(EndToEnd, CategoryAndPagingButtonsLoadThePagesTheForumServes) {
    ASSERT_TRUE(waitForPage(132, 1));
    clickAt(onPage(categoryButton(3).x(), categoryButton(3).y()));  // 情侣头像
    ASSERT_TRUE(waitForPage(131, 1));
    clickAt(onPage(kNextButton.x(), kNextButton.y()));
    ASSERT_TRUE(waitForPage(131, 2));
    clickAt(onPage(kNextButton.x(), kNextButton.y()));
    ASSERT_TRUE(waitForPage(131, 3));
    clickAt(onPage(kPreviousButton.x(), kPreviousButton.y()));
    ASSERT_TRUE(waitForPage(131, 2));
    EXPECT_EQ(listPagesServed(), (PagesServed{{132, 1}, {131, 1}, {131, 2}, {131, 3}, {131, 2}}));
}

TEST_F(EndToEnd, PreviousOnTheFirstPageShowsTheSkinnedMessageBox) {
    ASSERT_TRUE(waitForPage(132, 1));
    clickAt(onPage(kPreviousButton.x(), kPreviousButton.y()));
    QRect box;
    ASSERT_TRUE(waitUntil([&] {
        for (const QRect& window : otherWindows()) {
            if (window.width() == 300) box = window;
        }
        return box.isValid();
    }));
    // Centred on the main window, three lines or fewer: 140 high.
    EXPECT_EQ(box.height(), 140);
    EXPECT_LE(std::abs(box.center().x() - mainWindow().center().x()), 1);
    EXPECT_LE(std::abs(box.center().y() - mainWindow().center().y()), 1);
    // Its one button, "确定", closes it; no load was started.
    clickAt(box.topLeft() + QPoint(218 + 34, 140 - 30 + 10));
    EXPECT_TRUE(waitUntil([this] { return otherWindows().empty(); }));
    EXPECT_EQ(listPagesServed(), (PagesServed{{132, 1}}));
}

TEST_F(EndToEnd, LeftClickOnABoxOpensItsThreadInTheBrowser) {
    ASSERT_TRUE(waitForPage(132, 1));
    clickAt(boxCentre(4));
    ASSERT_TRUE(waitUntil([] { return !browserAddresses().empty(); }));
    const demo::DemoItem item = forum->items(132, 1).at(3);
    EXPECT_EQ(browserAddresses(), std::vector<std::string>{"http://" + forum->hostAndPort() +
                                                             "/forum.php?mod=viewthread&tid=" + std::to_string(item.tid)});
}

TEST_F(EndToEnd, CopyPutsTheFirstBoxsPictureOnTheClipboard) {
    ASSERT_TRUE(waitForPage(132, 1));
    clickAt(boxCentre(1), 3);
    ASSERT_TRUE(waitUntil([this] { return !otherWindows().empty(); }));  // the menu
    display->key("Down Return");  // 复制
    QImage copied;
    ASSERT_TRUE(waitUntil([&] { return !(copied = display->clipboardImage()).isNull(); }));
    EXPECT_EQ(copied.size(), QSize(200, 200));
    EXPECT_TRUE(near(copied.pixelColor(100, 100), forum->items(132, 1).at(0).colour));
}

TEST_F(EndToEnd, SaveAsWritesTheServedBytes) {
    ASSERT_TRUE(waitForPage(132, 1));
    clickAt(boxCentre(1), 3);
    ASSERT_TRUE(waitUntil([this] { return !otherWindows().empty(); }));
    display->key("Down Down Return");  // 另存为
    QRect dialog;
    ASSERT_TRUE(waitUntil([&] {
        for (const QRect& window : otherWindows()) {
            if (window.width() > 300) dialog = window;
        }
        return dialog.isValid();
    }, 10000));
    const std::filesystem::path target = scratch / "home" / "Desktop" / "saved.jpg";
    display->moveMouse(dialog.center().x(), dialog.center().y());
    display->type(target.string());
    display->key("Return");
    const demo::DemoItem item = forum->items(132, 1).at(0);
    const std::string served = *forum->thumbnailBytes(item.thumbnailSrc);
    EXPECT_TRUE(waitUntil([&] { return fileContents(target) == served; }, 10000));
}

TEST_F(EndToEnd, EachNavigationItemShowsItsPage) {
    ASSERT_TRUE(waitForPage(132, 1));
    const QRect pages(onPage(0, 0), QSize(630, 511));
    std::vector<QImage> shown;
    for (int item = 1; item <= 5; ++item) {
        clickAt(at((item - 1) * 78 + 8 + 38, 30 + 35));
        QImage page;
        waitUntil([&] {
            page = display->screenshot().copy(pages);
            return std::none_of(shown.begin(), shown.end(), [&](const QImage& earlier) { return earlier == page; });
        }, 5000);
        shown.push_back(page);
    }
    // Five different pages; the first is the feed, the fourth holds the banner.
    for (std::size_t a = 0; a < shown.size(); ++a) {
        for (std::size_t b = a + 1; b < shown.size(); ++b) EXPECT_NE(shown[a], shown[b]) << a + 1 << " " << b + 1;
    }
    EXPECT_TRUE(near(shown[0].pixelColor(106, 109), forum->items(132, 1).at(0).colour));
    const auto bannerBytes = assetBytes("app/banner.gif");
    const QImage banner = QImage::fromData(bannerBytes.data(), static_cast<int>(bannerBytes.size())).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(banner.isNull());
    // The banner is centred in its 289 x 55 box at (182, 343).
    const QColor bannerCentre = shown[3].pixelColor(182 + 144, 343 + 27);
    EXPECT_TRUE(near(bannerCentre, banner.pixel(143, 27) & 0xFFFFFF, 40));
    // Back to the feed.
    clickAt(at(8 + 38, 30 + 35));
    EXPECT_TRUE(waitForPage(132, 1));
}

TEST_F(EndToEnd, ASkinColourPickedIsThereAgainAfterARestart) {
    ASSERT_TRUE(waitForPage(132, 1));
    const QPoint titleBar = at(300, 12);
    const QColor before = display->screenshot().pixelColor(titleBar);
    clickAt(at(650 - 16, 81));  // the skin button
    QRect picker;
    ASSERT_TRUE(waitUntil([&] {
        for (const QRect& window : otherWindows()) {
            if (window.size() == QSize(pickerWidth, pickerHeight)) picker = window;
        }
        return picker.isValid();
    }));
    clickAt(picker.topLeft() + QPoint(60, 15));  // the colour tab
    // A swatch of the fourth column, fifth row.
    const int column = 4, row = 5;
    const int swatchWidth = swatchArea.width / swatchColumns, swatchHeight = swatchArea.height / swatchRows;
    QColor chosen;
    ASSERT_TRUE(waitUntil([&] {
        clickAt(picker.topLeft() + QPoint(swatchArea.left + (column - 1) * swatchWidth + swatchWidth / 2,
                                          swatchArea.top + (row - 1) * swatchHeight + swatchHeight / 2));
        chosen = display->screenshot().pixelColor(titleBar);
        return chosen != before;
    }));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    chosen = display->screenshot().pixelColor(titleBar);

    // A click on the bare desktop closes the picker without a replayed click; then the window.
    clickAt(at(650 + 200, 600));
    ASSERT_TRUE(waitUntil([&] {
        for (const QRect& window : otherWindows()) {
            if (window.size() == QSize(pickerWidth, pickerHeight)) return false;
        }
        return true;
    }));
    closeThroughTheSkin();
    ASSERT_TRUE(program->waitForExit(std::chrono::seconds(5)).has_value());
    ASSERT_TRUE(launch());
    ASSERT_TRUE(waitForPage(132, 1));
    EXPECT_EQ(display->screenshot().pixelColor(titleBar), chosen);
}

TEST_F(EndToEnd, ClosingTheWindowDuringALoadExitsCleanly) {
    ASSERT_TRUE(waitForPage(132, 1));
    forum->setLatency(std::chrono::milliseconds(2000));
    clickAt(onPage(kNextButton.x(), kNextButton.y()));
    ASSERT_TRUE(waitUntil([this] { return listPagesServed().size() == 2; }));
    closeThroughTheSkin();
    const std::optional<int> code = program->waitForExit(std::chrono::seconds(10));
    ASSERT_TRUE(code.has_value()) << "the program did not end";
    EXPECT_EQ(*code, 0);
}

}  // namespace
}  // namespace pindora::e2e
