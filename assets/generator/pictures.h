#pragma once
// The groups of pictures the generator draws; each writes its files through the writer.

#include "canvas.h"

namespace pindora::art {

void drawBusySpinner(const PictureWriter& out);       // frames of busy.gif
void drawTitleButtons(const PictureWriter& out);      // title/*
void drawChromePictures(const PictureWriter& out);    // skin_button/*, nav/*, grip.png
void drawBackgrounds(const PictureWriter& out);       // backgrounds/2.png .. 9.png
void drawPickerPictures(const PictureWriter& out);    // picker/*
void drawMessageBoxPictures(const PictureWriter& out);// msgbox/*
void drawAppPictures(const PictureWriter& out);       // app/* and the frames of app/banner.gif

// Background picture n (2..9), 840 x 205; the picker's thumbnails are drawn from it.
QImage backgroundPicture(int n);

}  // namespace pindora::art
