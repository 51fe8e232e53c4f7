// A skinned window on its own: a frameless 650 x 667 window wearing the skin with five
// navigation items and a notice. The skin choice is read from config.ini beside the program.

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "assets/assets.h"
#include "platform/codepage/codepage.h"
#include "platform/window/qt_window.h"
#include "platform/window/window.h"
#include "platform/window/window_control.h"
#include "skin/skin_frame.h"
#include "skin/skin_state.h"

int main(int argc, char** argv) {
  using namespace pindora;
  QApplication application(argc, argv);
  createSkinState();
  int code = 0;
  {
    SkinFrame skin;
    // Closing the skinned window destroys it: it lives on the heap.
    QPointer<QWidget> window = new QWidget;
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->setWindowTitle(QString::fromUtf8("Pindora 头像精选"));
    window->setGeometry(100, 100, 650, 667);
    const WindowHandle handle = handleOf(window);
    setSmallIcon(handle, assetCopy("app/icon.png"));

    skin.attach(handle, true);
    skin.setNavHandler([](std::int32_t) {});
    skin.setExtraButtonHandler([](std::int32_t) {});
    const char* labels[] = {"  首页", "关于我们", "联系我们", "提交BUG", "使用说明"};
    const char* icons[] = {"app/nav_home.png", "app/nav_about.png", "app/nav_contact.png", "app/nav_bug.png",
                           "app/nav_usage.png"};
    for (int i = 0; i < 5; ++i) skin.addNavItem(utf8ToCp936(labels[i]), assetCopy(icons[i]));
    skin.setNotice(utf8ToCp936("欢迎使用 Pindora：点击头像打开帖子，右键复制或另存为。"));
    window->show();
    code = runMessageLoop();
    delete window;
  }
  freeSkinState();
  return code;
}
