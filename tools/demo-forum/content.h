#pragma once
// The demo forum's content: categories, items, pages and thumbnails (internal).

#include <map>
#include <string>
#include <vector>

#include "tools/demo-forum/demo_forum.h"

namespace pindora::demo {

struct Category {
    int typeId;
    const char* nameUtf8;
    const char* suffix;   // the loader's fixed "&_=" number
    int pages;
};
const std::vector<Category>& categories();
const Category* findCategory(int typeId);

// Items of one list page (itemsPerPage of them), empty past the end.
std::vector<DemoItem> pageItems(int typeId, int page, int itemsPerPage);
std::string listPage(int typeId, int page, int itemsPerPage);   // UTF-8 HTML
std::string threadPage(const DemoItem& item);
std::string homePage();
std::string waterfallPage();
std::string forumDisplayPage(int fid);
std::string notFoundPage();

// All thumbnails of all categories (6 items a page), src -> bytes; generated once.
const std::map<std::string, std::string>& thumbnails();
// Encodes one 200 x 200 thumbnail for an item (used by thumbnails()).
std::string drawThumbnail(const DemoItem& item);

// GIF89a of an indexed picture with a palette of up to 256 colours (0xRRGGBB).
std::string encodeGif(int width, int height, const std::vector<unsigned char>& indices,
                      const std::vector<unsigned>& palette);

// The body of a picture fault mode (NotImage, PngBomb, GifBomb); empty for the others.
std::string faultPicture(Fault fault);

}  // namespace pindora::demo
