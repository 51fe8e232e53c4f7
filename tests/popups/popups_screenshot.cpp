// Shows each popup over a skinned window and saves a picture of the screen while it is open:
//   popups-screenshot <output directory>
// Meant for a look under Xvfb (QT_QPA_PLATFORM=xcb).

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "assets/assets.h"
#include "platform/codepage/codepage.h"
#include "platform/window/qt_window.h"
#include "platform/window/screen.h"
#include "platform/window/window.h"
#include "platform/window/window_control.h"
#include "skin/message_box_model.h"
#include "skin/skin_frame.h"
#include "skin/skin_picker_model.h"
#include "skin/skin_state.h"

namespace {

using namespace pindora;

QString outputDirectory;

// After a moment, saves the screen as `name` and runs `then`. With a popup given, also saves
// the skinned window with the popup's picture laid over it by its alpha, as a compositing
// desktop shows it (a bare X server shows the transparent parts black).
void shootLater(const QString& name, std::function<void()> then, std::function<WindowHandle()> popup = {}) {
  QTimer::singleShot(700, [name, then, popup] {
    QGuiApplication::primaryScreen()->grabWindow(0).save(outputDirectory + "/" + name);
    if (popup) {
      QWidget* skinned = widgetOf(skinState().skinWindow);
      QWidget* shown = widgetOf(popup());
      if (skinned && shown) {
        QImage picture = skinned->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&picture);
        painter.drawImage(shown->geometry().topLeft() - skinned->geometry().topLeft(), shown->grab().toImage());
        painter.end();
        QString composited = name;
        composited.replace(".png", "_composited.png");
        picture.save(outputDirectory + "/" + composited);
      }
    }
    then();
  });
}

void setSkin(int style, std::uint32_t color, int pictureId) {
  SkinState& skin = skinState();
  skin.skinStyle = style;
  skin.skinColor = color;
  skin.skinPictureId = pictureId;
  if (pictureId >= 2) skin.skinPicture = assetCopy("backgrounds/" + std::to_string(pictureId) + ".png");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  outputDirectory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  createSkinState();
  {
    SkinFrame frame;
    QWidget* widget = new QWidget;
    widget->setWindowFlag(Qt::FramelessWindowHint);
    widget->setWindowTitle(QString::fromUtf8("Pindora 头像精选"));
    widget->setGeometry(100, 100, 650, 560);
    const WindowHandle window = handleOf(widget);
    setSmallIcon(window, assetCopy("app/icon.png"));
    frame.attach(window, false);
    const char* labels[] = {"  首页", "关于我们", "联系我们", "提交BUG", "使用说明"};
    const char* icons[] = {"app/nav_home.png", "app/nav_about.png", "app/nav_contact.png", "app/nav_bug.png",
                           "app/nav_usage.png"};
    for (int i = 0; i < 5; ++i) frame.addNavItem(utf8ToCp936(labels[i]), assetCopy(icons[i]));
    widget->show();

    auto closeBox = [] { sendMessage(messageBoxState().messageBoxWindow, Message::Close); };
    auto closePicker = [] { sendMessage(skinPickerState().pickerWindow, Message::KillFocus); };
    auto openPicker = [&frame, window] {
      const ChromeRect& button = skinState().pickerButton.rect;
      frame.onLeftButtonDown(packPosition(button.left + 4, button.top + 4));
      (void)window;
    };
    QTimer::singleShot(500, [&] {
      setSkin(2, 0xD5993A, 1);
      invalidate(window, std::nullopt, true);
      shootLater("message_box_tip.png", closeBox);
      frame.showMessage(utf8ToCp936("     如若遇到需要帮助，请点击     [联系我们] 或 点击 [使用说明]"), 0, 4, 1,
                        utf8ToCp936("提示："));
      setSkin(1, 0xD5993A, 4);
      invalidate(window, std::nullopt, true);
      shootLater("message_box_picture.png", closeBox);
      frame.showMessage(utf8ToCp936("请翻下一页,这已经是第一页了!!"), 1);
      setSkin(2, 0x00007E, 1);
      invalidate(window, std::nullopt, true);
      shootLater("message_box_dark.png", closeBox);
      frame.showMessage(utf8ToCp936("第一行\r\n第二行\r\n第三行\r\n第四行\r\n第五行"), 0, 3, 2);

      setSkin(1, 0xD5993A, 4);
      invalidate(window, std::nullopt, true);
      shootLater("picker_pictures.png", closePicker, [] { return skinPickerState().pickerWindow; });
      openPicker();
      setSkin(2, 0x3F0166, 4);
      invalidate(window, std::nullopt, true);
      setCursorPosition({0, 0});
      shootLater("picker_colours.png", closePicker, [] { return skinPickerState().pickerWindow; });
      openPicker();
      widget->close();
      postQuit(0);
    });
    runMessageLoop();
    delete widget;
  }
  freeSkinState();
  return 0;
}
