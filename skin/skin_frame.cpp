#include "skin/skin_frame.h"

#include "gfx/gx_graphics.h"
#include "gfx/gx_session.h"
#include "platform/codepage/codepage.h"
#include "platform/window/painting.h"
#include "platform/window/screen.h"
#include "platform/window/window_control.h"
#include "skin/chrome_layout.h"
#include "skin/chrome_painting.h"
#include "skin/skin_pictures.h"
#include "skin/skin_settings.h"
#include "skin/skin_state.h"
#include "skin/window_shaper.h"

namespace pindora {

namespace {

Size sizeOf(WindowHandle window) {
  const Rect rect = windowRect(window);
  return {rect.width(), rect.height()};
}

}  // namespace

SkinFrame::SkinFrame() : painter_(std::make_unique<WindowPainter>()) {
  GxStartup();
  messageEntry_ = [this](WindowHandle window, Message message, WParam wParam, LParam lParam) {
    return handleMessage(window, message, wParam, lParam);
  };
}

SkinFrame::~SkinFrame() {
  painter_.reset();
  dropDecodedPictures();  // decoded pictures are drawing objects: gone before the session ends
  GxShutdown();
}

MessageResult SkinFrame::handleMessage(WindowHandle window, Message message, WParam wParam, LParam lParam) {
  const Size size = sizeOf(window);
  const int x = packedX(lParam), y = packedY(lParam);
  switch (message) {
    case Message::Destroy:
      postQuit(0);  // the program ends with its window
      return 0;
    case Message::Paint:
      paint(window);
      return 1;
    case Message::LeftDoubleClick:
      if (y < 30 && x < size.width - 149) {
        const SystemCommand command =
            windowState(window) == WindowState::Maximised ? SystemCommand::Restore : SystemCommand::Maximise;
        sendMessage(window, Message::SystemCommand, static_cast<WParam>(command));
      }
      break;
    case Message::MouseMove:
      requestLeaveNotice(window);
      onMouseMove(lParam);
      break;
    case Message::LeftDown: onLeftButtonDown(lParam); break;
    case Message::LeftUp: onLeftButtonUp(lParam); break;
    case Message::MouseLeave:
      clearButtonStates();
      invalidate(window, std::nullopt, true);
      break;
    case Message::Size:
      WindowShaper().setRoundRegion(window, 0, 0, size.width, size.height, 5, 5);
      layoutButtons();
      if (wParam == static_cast<WParam>(SizeKind::Maximised)) {
        const Rect taskbar = taskbarRect();
        showRestoreButton();
        moveWindow(window, maximisedArea(taskbar, screenSize()));
      } else if (wParam == static_cast<WParam>(SizeKind::Restored)) {
        showMaximiseButton();
      }
      break;
    default: break;
  }
  return painter_->callPrevious(window, message, wParam, lParam);
}

void SkinFrame::attach(WindowHandle window, std::optional<bool> useConfigFile) {
  if (attached_ == 1) return;
  SkinState& state = skinState();
  attached_ = 1;
  state.chromeInteractive = 1;
  noticeText_ = utf8ToCp936("版本信息:Veneer换肤模块V1.0(更新时间:2011-04-12)");
  state.skinWindow = window;
  painter_->subclass(window, messageEntry_);
  allowMaximiseAndMinimise(window);
  state.smallIcon = static_cast<IconHandle>(sendMessage(window, Message::GetIcon, 0));
  state.useConfigFile = useConfigFile.value_or(false) ? 1 : 0;
  loadSettings();
}

bool SkinFrame::setNotice(const Text& text) {
  if (attached_ == 0) return false;
  noticeText_ = text;
  const WindowHandle window = skinState().skinWindow;
  const Size size = sizeOf(window);
  invalidate(window, Rect{4, size.height - 19, 4 + size.width, size.height}, true);
  updateNow(window);
  return true;
}

bool SkinFrame::addNavItem(const Text& text, const Bytes& icon) {
  if (attached_ == 0) return false;
  auto& items = skinState().navItems;
  items.push_back(makeNavItem(static_cast<int>(items.size()) + 1, text, icon));
  return true;
}

void SkinFrame::paint(WindowHandle window) {
  const Size size = sizeOf(window);
  const gdiplus::DeviceContext surface = painter_->beginPaint(window);
  {
    GxGraphics graphics;
    graphics.CreateFromHDC(surface);
    paintChrome(graphics, size.width, size.height, {windowTitle(window), noticeText_});
  }  // the graphics goes before its surface
  painter_->endPaint();
}

bool SkinFrame::setExtraButtonHandler(SkinHandler handler) {
  if (attached_ == 0) return false;
  extraButtonHandler_ = std::move(handler);
  return true;
}

bool SkinFrame::setNavHandler(SkinHandler handler) {
  if (attached_ == 0) return false;
  navHandler_ = std::move(handler);
  return true;
}

void SkinFrame::systemCommand(std::int32_t command) {
  const WindowHandle window = skinState().skinWindow;
  switch (command) {
    case 1: destroyWindow(window); break;
    case 2: {
      const SystemCommand next =
          windowState(window) == WindowState::Maximised ? SystemCommand::Restore : SystemCommand::Maximise;
      sendMessage(window, Message::SystemCommand, static_cast<WParam>(next));
      break;
    }
    case 3: minimiseWindow(window); break;
    default: break;
  }
}

void SkinFrame::clearButtonStates() {
  for (ChromeButton& button : skinState().systemButtons) button.state = StateNormal;
}

void SkinFrame::layoutButtons() { layoutChromeButtons(sizeOf(skinState().skinWindow).width); }

void SkinFrame::loadSettings() {
  loadSkinSettings();
  createChromeButtons(sizeOf(skinState().skinWindow).width);
}

}  // namespace pindora
