#include "app/handlers.h"

#include <array>
#include <string>

#include "app/app_state.h"
#include "app/forum_links.h"
#include "app/info_texts.h"
#include "app/main_form.h"
#include "assets/assets.h"
#include "base/forum_host.h"
#include "feed/avatar_loader.h"
#include "feed/feed_state.h"
#include "platform/clipboard/clipboard.h"
#include "platform/codepage/codepage.h"
#include "platform/form/form_window_handle.h"
#include "platform/shell/shell.h"

namespace pindora {
namespace {

ControlRef named(std::string_view utf8Name) { return findControl(utf8ToCp936(utf8Name)); }
ControlRef categoryButton(int n) { return named("单选框" + std::to_string(n)); }
ControlRef thumbnailBox(int n) { return findControlByTag(n); }

// N of thumbnail box N, 0 for any other control.
int thumbnailNumber(ControlRef box) {
    for (int n = 1; n <= kThumbnailCount; ++n) {
        if (thumbnailBox(n) == box) return n;
    }
    return 0;
}

struct NavEntry {
    const char* text;
    const char* icon;
};

constexpr std::array<NavEntry, 5> kNavItems = {{{"  首页", "app/nav_home.png"},
                                                {"关于我们", "app/nav_about.png"},
                                                {"联系我们", "app/nav_contact.png"},
                                                {"提交BUG", "app/nav_bug.png"},
                                                {"使用说明", "app/nav_usage.png"}}};

// A label or the banner opens a forum page, given relative to the forum's root.
void bindLink(std::string_view utf8Name, std::string_view path) {
    setEventHandler(named(utf8Name), FormEvent::LeftPress, [path](ControlRef) { openForumLink(path); });
}

}  // namespace

void startFeedLoad() { startAvatarLoad(); }

void bindMainWindowHandlers(ControlRef window) {
    setEventHandler(window, FormEvent::Created, onWindowCreated);
    setEventHandler(categoryButton(1), FormEvent::Click, onCategoryClicked);
    setEventHandler(named("按钮5"), FormEvent::Click, onPreviousPage);
    setEventHandler(named("按钮4"), FormEvent::Click, onNextPage);
    for (int n = 1; n <= kThumbnailCount; ++n) setEventHandler(thumbnailBox(n), FormEvent::LeftPress, onThumbnailLeftPress);
    // Until the first category click only box 1 answers a right press (see onCategoryClicked).
    setEventHandler(thumbnailBox(1), FormEvent::RightPress, onThumbnailRightPress);
    setEventHandler(named("复制"), FormEvent::Click, onCopyPicture);
    setEventHandler(named("另存为"), FormEvent::Click, onSavePicture);
    bindLink("透明标签3", "/plugin.php?id=waterfall:waterfall");
    bindLink("透明标签4", "/");  // the home page
    bindLink("图片框7", "/forum.php?mod=forumdisplay&fid=63");
    bindLink("透明标签1", "/forum.php?mod=forumdisplay&fid=83");
    bindLink("透明标签2", "/plugin.php?id=waterfall:waterfall");
}

void onWindowCreated(ControlRef window) {
    feedState().setCurrentPage(1);
    startFeedLoad();
    for (int n = 2; n <= 6; ++n) routeEvents(categoryButton(n), categoryButton(1), FormEvent::Click);
    SkinFrame& skin = *appState().skin;
    skin.attach(windowHandleOf(window), true);
    skin.setNavHandler(onNavItem);
    skin.setExtraButtonHandler(onExtraButton);
    for (const NavEntry& item : kNavItems) skin.addNavItem(utf8ToCp936(item.text), assetCopy(item.icon));
    enableThemedControls(1);
    const Text host = forumHost();
    skin.setNotice(noticeText(host));
    navigateWebView(named("超文本浏览框1"), "http://" + host);
}

void onCategoryClicked(ControlRef) {
    feedState().setCurrentPage(1);
    startFeedLoad();
    for (int n = 2; n <= kThumbnailCount; ++n) routeEvents(thumbnailBox(n), thumbnailBox(1), FormEvent::RightPress);
}

void onPreviousPage(ControlRef) {
    FeedState& feed = feedState();
    if (feed.currentPage() <= 1) {
        feed.setCurrentPage(1);
        appState().skin->showMessage(utf8ToCp936("请翻下一页,这已经是第一页了!!"), 1);
        return;
    }
    feed.setCurrentPage(feed.currentPage() - 1);
    startFeedLoad();
}

void onNextPage(ControlRef) {
    feedState().setCurrentPage(feedState().currentPage() + 1);
    startFeedLoad();
}

void onThumbnailLeftPress(ControlRef box) {
    // Before the current load has produced link N there is nothing to open.
    if (const std::optional<Text> link = feedState().linkAt(thumbnailNumber(box))) openForumLink(*link);
}

void onThumbnailRightPress(ControlRef box) {
    appState().menuTarget = box;
    popupMenu(named("菜单"));
}

void onCopyPicture(ControlRef) {
    // Bytes that do not decode (a failed download) leave the clipboard alone.
    copyPictureToClipboard(pictureBytes(appState().menuTarget));
}

void onSavePicture(ControlRef) {
    if (!isDecodablePicture(pictureBytes(appState().menuTarget))) return;
    SaveDialogOptions options;
    options.defaultExtension = ".jpg";
    options.initialDirectory = desktopDirectory() + "/";
    options.filter = utf8ToCp936("JPG图片|*.jpg");
    const std::optional<std::string> path = showSaveDialog(named("通用对话框1"), options);
    if (!path) return;
    // The box's bytes as they are, whatever their format; a load may have replaced them
    // meanwhile, so they are checked again.
    const Bytes picture = pictureBytes(appState().menuTarget);
    if (isDecodablePicture(picture)) writeFileBytes(*path, picture);
}

void onNavItem(std::int32_t index) {
    if (index >= 0 && index <= 4) setCurrentTabPage(named("高级选择夹1"), index);
}

void onExtraButton(std::int32_t index) {
    const Text title = utf8ToCp936("提示：");
    if (index == 0) {
        appState().skin->showMessage(utf8ToCp936("请将鼠标移动到头像，点击右键。      有意外惊喜哟"), 0, 1, 1, title);
    } else if (index == 1) {
        appState().skin->showMessage(utf8ToCp936("     如若遇到需要帮助，请点击     [联系我们] 或 点击 [使用说明]"), 0, 4,
                                     1, title);
    }
}

}  // namespace pindora
