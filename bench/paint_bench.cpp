// A full repaint of the 650 x 667 skinned window into a memory surface, as the window painter
// does it (a new surface a little larger than the window, a graphics on it, the whole chrome),
// in colour mode and picture mode: with the decoded pictures kept between paints, and with
// every picture decoded from its bytes on every paint (the cache emptied before each paint).
//
// Names: "<figure>" is the program; "<figure>/<label>" is the baseline it is compared with.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <memory>

#include "assets/assets.h"
#include "gfx/gx_graphics.h"
#include "platform/codepage/codepage.h"
#include "platform/gdiplus/drawing_surface.h"
#include "platform/window/qt_window.h"
#include "platform/window/window_control.h"
#include "skin/chrome_painting.h"
#include "skin/skin_frame.h"
#include "skin/skin_pictures.h"
#include "skin/skin_settings.h"
#include "skin/skin_state.h"

namespace pindora {
namespace {

constexpr int W = 650;
constexpr int H = 667;
constexpr int updateMargin = 5;  // the window painter's surface: the update rectangle plus 5

// The program's main window as the application dresses it: icon, title, five navigation
// items and a notice.
struct SkinnedWindow {
  SkinnedWindow() {
    createSkinState();
    skin = std::make_unique<SkinFrame>();
    widget = std::make_unique<QWidget>();
    widget->setWindowFlag(Qt::FramelessWindowHint);
    widget->setWindowTitle(QString::fromUtf8("Pindora 头像精选"));
    widget->setGeometry(100, 100, W, H);
    window = handleOf(widget.get());
    setSmallIcon(window, assetCopy("app/icon.png"));
    skin->attach(window, false);
    const char* labels[] = {"  首页", "关于我们", "联系我们", "提交BUG", "使用说明"};
    const char* icons[] = {"app/nav_home.png", "app/nav_about.png", "app/nav_contact.png", "app/nav_bug.png",
                           "app/nav_usage.png"};
    for (int i = 0; i < 5; ++i) skin->addNavItem(utf8ToCp936(labels[i]), assetCopy(icons[i]));
    skin->setNotice(utf8ToCp936("欢迎使用 Pindora：点击头像打开帖子，右键复制或另存为。"));
    texts = {windowTitle(window), skin->noticeText()};
  }
  ~SkinnedWindow() {
    skin.reset();
    widget.reset();
    freeSkinState();
  }

  std::unique_ptr<SkinFrame> skin;
  std::unique_ptr<QWidget> widget;
  WindowHandle window = 0;
  ChromeText texts;
};

SkinnedWindow* shown = nullptr;

void useColour() {
  SkinState& state = skinState();
  state.skinStyle = SkinStyleColor;
  state.skinColor = defaultSkinColor;
  state.skinPictureId = 1;
}

void usePicture() {
  SkinState& state = skinState();
  state.skinStyle = SkinStylePicture;
  state.skinPictureId = 4;
  loadSkinPicture(4);
}

void repaint() {
  gdiplus::DrawingSurface surface(W + updateMargin, H + updateMargin);
  GxGraphics graphics;
  graphics.CreateFromHDC(surface.deviceContext());
  paintChrome(graphics, W, H, shown->texts);
  benchmark::DoNotOptimize(surface.pixels());
}

template <void (*skin)(), bool keepDecoded>
void paintBench(benchmark::State& state) {
  skin();
  repaint();  // the first paint decodes what the later ones may keep
  for (auto _ : state) {
    if (!keepDecoded) dropDecodedPictures();
    repaint();
  }
  dropDecodedPictures();
}

BENCHMARK(paintBench<useColour, true>)->Name("paint.colour")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(paintBench<useColour, false>)
    ->Name("paint.colour/decode-every-paint")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(paintBench<usePicture, true>)->Name("paint.picture")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(paintBench<usePicture, false>)
    ->Name("paint.picture/decode-every-paint")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace pindora

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  {
    pindora::SkinnedWindow window;
    pindora::shown = &window;
    benchmark::RunSpecifiedBenchmarks();
    pindora::shown = nullptr;
  }
  benchmark::Shutdown();
  return 0;
}
