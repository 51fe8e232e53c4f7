#include "app/main_form.h"

#include <array>
#include <string>

#include "app/info_texts.h"
#include "assets/assets.h"
#include "platform/codepage/codepage.h"

namespace pindora {
namespace {

ControlDescription control(ControlKind kind, std::string_view name, std::string_view parent, int page, int x, int y,
                           int width, int height, Text text = {}) {
    ControlDescription description;
    description.kind = kind;
    description.formName = utf8ToCp936(name);
    description.parentName = utf8ToCp936(parent);
    description.page = page;
    description.x = x;
    description.y = y;
    description.width = width;
    description.height = height;
    description.text = std::move(text);
    return description;
}

ControlDescription link(ControlDescription description) {
    description.handCursor = true;
    return description;
}

struct Place {
    int x;
    int y;
};

constexpr std::array<Place, kThumbnailCount> kThumbnailPlaces = {{{6, 9}, {213, 9}, {422, 9}, {6, 217}, {213, 218}, {422, 218}}};

struct Category {
    const char* text;
    Place place;
};

constexpr std::array<Category, 6> kCategories = {{{"男生头像", {7, 13}},
                                                  {"女生头像", {95, 13}},
                                                  {"情侣头像", {191, 13}},
                                                  {"文字头像", {95, 38}},
                                                  {"卡通头像", {7, 38}},
                                                  {"其他头像", {191, 38}}}};

}  // namespace

FormDescription mainFormDescription(std::string_view host) {
    constexpr auto tabs = "高级选择夹1";
    FormDescription form;
    form.title = " Pindora v2.0";
    form.x = 50;
    form.y = 50;
    form.width = 650;
    form.height = 667;
    form.frameless = true;  // the skin draws the frame and the title bar
    form.icons = {assetCopy("app/icon.png"), assetCopy("app/icon_256.png")};  // title bar, then taskbar
    form.fontFamily = utf8ToCp936("宋体");  // 9 points: the blanks left in the texts for the link labels fit it
    form.fontPixelSize = 12;

    auto& controls = form.controls;
    ControlDescription tabControl = control(ControlKind::TabControl, tabs, "", 0, 10, 121, 630, 511);
    tabControl.pageTexts = {"1", "2", "3", "4", "5"};
    controls.push_back(tabControl);

    // Page 1: the feed.
    for (int n = 1; n <= kThumbnailCount; ++n) {
        const Place place = kThumbnailPlaces[n - 1];
        ControlDescription box = link(control(ControlKind::PictureBox, "图片框" + std::to_string(n), tabs, 1, place.x,
                                              place.y, 200, 200));
        box.tag = std::to_string(n);
        controls.push_back(box);
    }
    controls.push_back(control(ControlKind::GroupBox, "分组框1", tabs, 1, 7, 426, 287, 69, utf8ToCp936("选择头像类型")));
    for (int n = 1; n <= 6; ++n) {
        const Category& category = kCategories[n - 1];
        ControlDescription radio = control(ControlKind::RadioButton, "单选框" + std::to_string(n), "分组框1", 0,
                                           category.place.x, category.place.y, 80, 24, utf8ToCp936(category.text));
        radio.checked = n == 1;
        controls.push_back(radio);
    }
    controls.push_back(control(ControlKind::PushButton, "按钮5", tabs, 1, 307, 443, 80, 32, utf8ToCp936("上一页")));
    controls.push_back(control(ControlKind::PushButton, "按钮4", tabs, 1, 403, 443, 80, 32, utf8ToCp936("下一页")));
    controls.push_back(link(control(ControlKind::TransparentLabel, "透明标签3", tabs, 1, 510, 471, 112, 32,
                                    utf8ToCp936("点击查看更多头像"))));

    // Page 2: about.
    controls.push_back(control(ControlKind::EditBox, "编辑框1", tabs, 2, 54, 95, 512, 248, aboutText(host)));

    // Page 3: contact.
    controls.push_back(control(ControlKind::GroupBox, "分组框2", tabs, 3, 94, 95, 432, 192, utf8ToCp936("联系我们")));
    controls.push_back(control(ControlKind::Label, "标签1", "分组框2", 0, 32, 40, 360, 136, contactText()));
    controls.push_back(link(control(ControlKind::TransparentLabel, "透明标签4", "分组框2", 0, 95, 63, 98, 17, Text(host))));

    // Page 4: feedback.
    controls.push_back(control(ControlKind::GroupBox, "分组框3", tabs, 4, 134, 151, 376, 120, utf8ToCp936("意见投稿")));
    controls.push_back(control(ControlKind::Label, "标签2", "分组框3", 0, 24, 40, 320, 64, feedbackText()));
    ControlDescription banner = link(control(ControlKind::PictureBox, "图片框7", tabs, 4, 182, 343, 289, 55));
    banner.picture = assetCopy("app/banner.gif");
    controls.push_back(banner);

    // Page 5: usage.
    controls.push_back(control(ControlKind::GroupBox, "分组框4", tabs, 5, 54, 63, 512, 272, utf8ToCp936("使用说明")));
    controls.push_back(control(ControlKind::Label, "标签3", "分组框4", 0, 32, 40, 440, 200, usageText()));
    controls.push_back(link(control(ControlKind::TransparentLabel, "透明标签1", "分组框4", 0, 213, 178, 80, 24,
                                    utf8ToCp936("点击此处发布"))));
    controls.push_back(link(control(ControlKind::TransparentLabel, "透明标签2", tabs, 5, 114, 362, 412, 45,
                                    utf8ToCp936("每一个头像内含有数十个头像，也许有更好看的头像等着你，点击查看"))));

    // The window's own parts.
    controls.push_back(control(ControlKind::Menu, "菜单", "", 0, 0, 0, 0, 0, utf8ToCp936("菜单")));
    controls.push_back(control(ControlKind::MenuItem, "复制", "菜单", 0, 0, 0, 0, 0, utf8ToCp936("复制")));
    controls.push_back(control(ControlKind::MenuItem, "另存为", "菜单", 0, 0, 0, 0, 0, utf8ToCp936("另存为")));
    controls.push_back(control(ControlKind::FileDialog, "通用对话框1", "", 0, 0, 0, 0, 0));
    controls.push_back(control(ControlKind::Timer, "时钟1", "", 0, 0, 0, 0, 0));
    // Outside the 650-pixel-wide window: never seen.
    controls.push_back(control(ControlKind::WebView, "超文本浏览框1", "", 0, 960, 392, 72, 32));
    return form;
}

}  // namespace pindora
