// Draws every picture of the program. Usage: pindora-asset-generator <images-dir> <frames-dir>
// The PNG files go to <images-dir> under their names; the frames of the animated pictures go to
// <frames-dir>, from where generate.sh assembles the GIF files.

#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "pictures.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <images-dir> <frames-dir>\n", argv[0]);
        return 2;
    }
    try {
        using namespace pindora::art;
        const PictureWriter out(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
        drawBusySpinner(out);
        drawTitleButtons(out);
        drawChromePictures(out);
        drawBackgrounds(out);
        drawPickerPictures(out);
        drawMessageBoxPictures(out);
        drawAppPictures(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
