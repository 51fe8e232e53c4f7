#include <cmath>
#include <cstdio>

#include "tools/demo-forum/content.h"

namespace pindora::demo {
namespace {

constexpr int kItemsPerCategoryPage = 6;  // a category's item count is pages * 6

const char* const kTitleWords[] = {
    "甜蜜时光", "微笑的你", "夏日清风", "星空下", "安静的午后", "樱花飘落", "追梦少年", "温柔以待",
    "海边日落", "雨后彩虹", "独自旅行", "咖啡与书", "晚安世界", "青春无悔", "小确幸",  "花开半夏",
};

unsigned hsvColour(double hue, double saturation, double value) {
    double c = value * saturation;
    double h = hue / 60.0;
    double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    if (h < 1) r = c, g = x;
    else if (h < 2) r = x, g = c;
    else if (h < 3) g = c, b = x;
    else if (h < 4) g = x, b = c;
    else if (h < 5) r = x, b = c;
    else r = c, b = x;
    double m = value - c;
    auto to8 = [&](double v) { return static_cast<unsigned>(std::lround((v + m) * 255)); };
    return (to8(r) << 16) | (to8(g) << 8) | to8(b);
}

std::string escapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

std::string pageHead(const std::string& title) {
    return "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
           "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n"
           "<title>" + title + " - 品多拉头像论坛 - Powered by Discuz!</title>\n"
           "<meta name=\"keywords\" content=\"QQ头像,情侣头像,男生头像,女生头像\" />\n"
           "<link rel=\"stylesheet\" type=\"text/css\" href=\"data/cache/style_1_common.css\" />\n"
           "</head>\n<body id=\"nv_forum\" class=\"pg_forumdisplay\">\n"
           "<div id=\"hd\"><div class=\"wp\"><h2><a href=\"./\" title=\"品多拉头像论坛\">品多拉头像论坛</a></h2>\n"
           "<ul id=\"nv\"><li><a href=\"forum.php\">论坛</a></li>"
           "<li><a href=\"plugin.php?id=waterfall:waterfall\">瀑布流</a></li></ul></div></div>\n";
}

std::string pageFoot() {
    return "<div id=\"ft\" class=\"wp cl\"><p>Powered by <strong>Discuz!</strong> X2.5 "
           "&copy; 2001-2013 Comsenz Inc. 演示论坛，仅供测试。</p></div>\n</body>\n</html>\n";
}

}  // namespace

const std::vector<Category>& categories() {
    static const std::vector<Category> all = {
        {131, "情侣头像", "1369349338909", 5}, {132, "男生头像", "1369312298453", 8},
        {133, "女生头像", "1369349186213", 6}, {134, "文字头像", "1369349433537", 7},
        {135, "卡通头像", "1369349520559", 5}, {136, "其他头像", "1369414917707", 6},
    };
    return all;
}

const Category* findCategory(int typeId) {
    for (const Category& c : categories())
        if (c.typeId == typeId) return &c;
    return nullptr;
}

std::vector<DemoItem> pageItems(int typeId, int page, int itemsPerPage) {
    std::vector<DemoItem> items;
    const Category* category = findCategory(typeId);
    if (!category || page < 1 || itemsPerPage < 1) return items;
    int total = category->pages * kItemsPerCategoryPage;
    int categoryIndex = typeId - 131;
    for (int k = 0; k < itemsPerPage; ++k) {
        int n = (page - 1) * itemsPerPage + k;  // item number within the category
        if (n >= total) break;
        DemoItem item;
        item.typeId = typeId;
        item.page = page;
        item.index = k + 1;
        item.tid = 20000 + categoryIndex * 1000 + n + 1;
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, "forum.php?mod=viewthread&amp;tid=%d", item.tid);
        item.threadLink = buffer;
        int global = categoryIndex * 100 + n;
        item.format = global % 3 == 0 ? "jpeg" : global % 3 == 1 ? "png" : "gif";
        const char* extension = item.format == "jpeg" ? "jpg" : item.format.c_str();
        std::snprintf(buffer, sizeof buffer, "data/attachment/forum/201305/%d/%02d/thumb_%d.%s", typeId,
                      n / kItemsPerCategoryPage + 1, item.tid, extension);
        item.thumbnailSrc = buffer;
        item.titleUtf8 = std::string(category->nameUtf8) + " " +
                         kTitleWords[(categoryIndex * 5 + n) % 16] + " 第" + std::to_string(n + 1) + "张";
        item.colour = hsvColour(std::fmod(global * 137.508, 360.0), 0.72, 0.86);
        items.push_back(item);
    }
    return items;
}

std::string listPage(int typeId, int page, int itemsPerPage) {
    const Category* category = findCategory(typeId);
    std::string name = category ? category->nameUtf8 : "头像";
    std::string html = pageHead(name);
    html += "<div id=\"wp\" class=\"wp\">\n<div id=\"pt\" class=\"bm cl\"><div class=\"z\">"
            "<a href=\"./\" class=\"nvhm\">首页</a> <em>&rsaquo;</em> "
            "<a href=\"forum.php?mod=forumdisplay&amp;fid=83\">头像</a> <em>&rsaquo;</em> " +
            name + "</div></div>\n<div id=\"waterfall\" class=\"ml waterfall cl\">\n<ul>\n";
    std::vector<DemoItem> items = pageItems(typeId, page, itemsPerPage);
    for (const DemoItem& item : items) {
        std::string title = escapeHtml(item.titleUtf8);
        html += "<li style=\"width:220px\">\n<div class=\"c cl\">\n";
        html += "<a href=\"" + item.threadLink + "\" class=\"image\" title=\"" + title +
                "\" target=\"_blank\" style=\"display: block; width: 200px; height: 200px; overflow: hidden;\">\n";
        html += "<img src=\"" + item.thumbnailSrc + "\" border=\"0\" width=\"200\" height=\"200\" alt=\"" +
                title + "\" />\n</a>\n</div>\n";
        html += "<h3 class=\"xw0\"><a href=\"" + item.threadLink + "\" target=\"_blank\">" + title + "</a></h3>\n";
        html += "<div class=\"auth cl\"><cite class=\"xg1\">作者: <a href=\"home.php?mod=space&amp;uid=" +
                std::to_string(item.tid % 97 + 1) + "\">头像达人</a></cite> <em>回复 " +
                std::to_string(item.tid % 13) + "</em></div>\n</li>\n";
    }
    html += "</ul>\n</div>\n";
    if (items.empty()) html += "<div class=\"emp\">没有更多内容了</div>\n";
    html += "</div>\n" + pageFoot();
    return html;
}

std::string threadPage(const DemoItem& item) {
    std::string title = escapeHtml(item.titleUtf8);
    return pageHead(title) + "<div id=\"wp\" class=\"wp\">\n<h1 class=\"ts\">" + title +
           "</h1>\n<div class=\"t_fsz\"><p>分享一组好看的头像，喜欢就拿走吧！</p>\n<img src=\"" +
           item.thumbnailSrc + "\" width=\"200\" height=\"200\" alt=\"" + title + "\" />\n</div>\n</div>\n" +
           pageFoot();
}

std::string homePage() {
    std::string html = pageHead("首页") + "<div id=\"wp\" class=\"wp\">\n<h1>欢迎来到品多拉头像论坛</h1>\n<ul>\n";
    for (const Category& c : categories())
        html += "<li><a href=\"" + std::string("plugin.php?id=waterfall:waterfall&amp;typeid=") +
                std::to_string(c.typeId) + "\">" + c.nameUtf8 + "</a></li>\n";
    html += "</ul>\n<p><a href=\"forum.php?mod=forumdisplay&amp;fid=63\">意见反馈</a> · "
            "<a href=\"forum.php?mod=forumdisplay&amp;fid=83\">头像</a></p>\n</div>\n";
    return html + pageFoot();
}

std::string waterfallPage() {
    return pageHead("瀑布流") +
           "<div id=\"wp\" class=\"wp\">\n<h1>头像瀑布流</h1>\n<p>向下滚动，加载更多头像。</p>\n"
           "<div id=\"waterfall\" class=\"ml waterfall cl\"></div>\n</div>\n" +
           pageFoot();
}

std::string forumDisplayPage(int fid) {
    std::string name = fid == 63 ? "意见反馈" : fid == 83 ? "头像" : "版块";
    std::string text = fid == 63 ? "欢迎提出您的宝贵意见和建议。" : "各类QQ头像，每日更新。";
    return pageHead(name) + "<div id=\"wp\" class=\"wp\">\n<h1>" + name + "</h1>\n<p>" + text +
           "</p>\n</div>\n" + pageFoot();
}

std::string notFoundPage() {
    return pageHead("页面不存在") + "<div id=\"wp\" class=\"wp\"><p>抱歉，您访问的页面不存在。</p></div>\n" +
           pageFoot();
}

}  // namespace pindora::demo
