#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <set>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "assets/embedded_asset.h"

namespace pindora {
namespace {

QByteArray bytesOf(std::string_view name) {
    const auto bytes = assetBytes(name);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

struct Picture {
    std::string name;
    QSize size;
};

// Every picture the program draws, with the pixel size it is drawn at.
std::vector<Picture> everyPicture() {
    std::vector<Picture> pictures = {
        {"busy.gif", {25, 25}},
        {"title/restore_normal.png", {27, 19}},
        {"title/restore_pressed.png", {27, 19}},
        {"skin_button/icon.png", {14, 14}},
        {"skin_button/hover.png", {28, 22}},
        {"skin_button/pressed.png", {28, 22}},
        {"nav/hover.png", {76, 71}},
        {"nav/selected.png", {76, 71}},
        {"grip.png", {9, 8}},
        {"picker/background.png", {218, 174}},
        {"picker/tab_selected_backing.png", {40, 30}},
        {"picker/panel.png", {208, 133}},
        {"picker/thumb_hover.png", {68, 43}},
        {"picker/thumb_selected.png", {68, 43}},
        {"picker/swatch_mark.png", {16, 17}},
        {"msgbox/icon_information.png", {40, 40}},
        {"msgbox/icon_success.png", {40, 40}},
        {"msgbox/icon_warning.png", {40, 40}},
        {"msgbox/icon_error.png", {40, 40}},
        {"msgbox/icon_question.png", {40, 40}},
        {"app/nav_home.png", {36, 36}},
        {"app/nav_about.png", {36, 36}},
        {"app/nav_bug.png", {36, 36}},
        {"app/nav_usage.png", {36, 36}},
        {"app/nav_contact.png", {256, 256}},
        {"app/banner.gif", {287, 55}},
        {"app/icon.png", {16, 16}},
        {"app/icon_256.png", {256, 256}},
    };
    for (const char* look : {"normal", "hover", "pressed"}) {
        const std::string suffix = std::string("_") + look + ".png";
        pictures.push_back({"title/close" + suffix, {39, 19}});
        pictures.push_back({"title/maximize" + suffix, {27, 19}});
        pictures.push_back({"title/minimize" + suffix, {27, 19}});
        pictures.push_back({"title/tip" + suffix, {27, 19}});
        pictures.push_back({"title/help" + suffix, {28, 19}});
        pictures.push_back({"msgbox/close" + suffix, {40, 19}});
        pictures.push_back({"msgbox/button" + suffix, {69, 21}});
    }
    pictures.push_back({"msgbox/button_default.png", {69, 21}});
    for (const char* look : {"normal", "hover", "selected"})
        for (int tab : {1, 2})
            pictures.push_back({"picker/tab" + std::to_string(tab) + "_" + look + ".png", {40, 30}});
    for (int k = 1; k <= 9; ++k) pictures.push_back({"picker/thumb" + std::to_string(k) + ".png", {68, 43}});
    for (int n = 2; n <= 9; ++n) pictures.push_back({"backgrounds/" + std::to_string(n) + ".png", {840, 205}});
    return pictures;
}

TEST(Assets, EveryPictureIsEmbeddedAndDecodesAtItsSize) {
    const auto pictures = everyPicture();
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.name);
        const QByteArray bytes = bytesOf(picture.name);
        ASSERT_FALSE(bytes.isEmpty());
        const bool gif = picture.name.ends_with(".gif");
        EXPECT_TRUE(bytes.startsWith(gif ? QByteArray("GIF89a") : QByteArray("\x89PNG\r\n\x1a\n")));
        const QImage image = QImage::fromData(bytes);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
        if (!gif) {
            EXPECT_TRUE(image.hasAlphaChannel());
        }
    }
}

TEST(Assets, NothingIsEmbeddedBesideThesePictures) {
    std::set<std::string> expected;
    for (const Picture& picture : everyPicture()) expected.insert(picture.name);
    std::set<std::string> embeddedNames;
    for (const auto& asset : embedded::embeddedAssets()) embeddedNames.insert(std::string(asset.name));
    EXPECT_EQ(embeddedNames, expected);
}

TEST(Assets, BusyPictureHasEightFramesOf50MsLoopingWithATransparentColour) {
    QByteArray bytes = bytesOf("busy.gif");
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    ASSERT_TRUE(reader.supportsAnimation());
    EXPECT_EQ(reader.imageCount(), 8);
    EXPECT_EQ(reader.loopCount(), -1);  // forever
    int frames = 0;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read(), ++frames) {
        SCOPED_TRACE(frames);
        EXPECT_EQ(reader.nextImageDelay(), 50);
        EXPECT_EQ(frame.size(), QSize(25, 25));
        EXPECT_EQ(qAlpha(frame.pixel(0, 0)), 0);       // the corner shows through
        EXPECT_EQ(qAlpha(frame.pixel(12, 12)), 0);     // so does the middle of the ring
    }
    EXPECT_EQ(frames, 8);
}

// Pixel (1, 204) of a background fills the rest of the window and decides the text tone: it is
// read as light only when its blue and green are both 125 or more.
TEST(Assets, OnlyBackgrounds3And6ReadLight) {
    for (int n = 2; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const QImage picture = QImage::fromData(bytesOf("backgrounds/" + std::to_string(n) + ".png"));
        ASSERT_FALSE(picture.isNull());
        const QRgb tone = picture.pixel(1, 204);
        EXPECT_EQ(qAlpha(tone), 255);
        const bool light = qBlue(tone) >= 125 && qGreen(tone) >= 125;
        EXPECT_EQ(light, n == 3 || n == 6);
    }
}

TEST(Assets, UnknownNamesGiveNothing) {
    for (const char* name : {"", "busy", "busy.GIF", "/busy.gif", "title", "title/", "nav/hover.png.bak",
                             "zzz.png", "backgrounds/1.png", "backgrounds/10.png"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(assetBytes(name).empty());
    }
}

}  // namespace
}  // namespace pindora

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // for the image plugins (GIF)
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
