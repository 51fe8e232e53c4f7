#pragma once
// The six avatar categories of the feed: the radio button that chooses each one and the fixed
// parts of its list address.

#include <array>
#include <string_view>

#include "base/types.h"

namespace pindora {

struct FeedCategory {
    int button;                     // N of the radio button "单选框N"
    std::string_view pathAndQuery;  // ends in "&page=&loads=": the page number follows
    std::string_view suffix;        // a fixed "&_=" number sent unchanged on every request
};

// In button order: category N is kFeedCategories[N - 1].
inline constexpr std::array<FeedCategory, 6> kFeedCategories = {{
    {1, "/plugin.php?id=waterfall:threads&fid=83&typeid=132&filter=1&orderby=1&page=&loads=", "&_=1369312298453"},
    {2, "/plugin.php?id=waterfall:threads&fid=83&typeid=133&filter=1&orderby=1&page=&loads=", "&_=1369349186213"},
    {3, "/plugin.php?id=waterfall:threads&fid=83&typeid=131&filter=1&orderby=1&page=&loads=", "&_=1369349338909"},
    {4, "/plugin.php?id=waterfall:threads&fid=83&typeid=134&filter=1&orderby=1&page=&loads=", "&_=1369349433537"},
    {5, "/plugin.php?id=waterfall:threads&fid=83&typeid=135&filter=1&orderby=1&page=&loads=", "&_=1369349520559"},
    {6, "/plugin.php?id=waterfall:threads&fid=83&typeid=136&filter=1&orderby=1&page=&loads=", "&_=1369414917707"},
}};
static_assert([] {
    for (std::size_t i = 0; i < kFeedCategories.size(); ++i) {
        if (kFeedCategories[i].button != static_cast<int>(i) + 1) return false;
    }
    return true;
}());

// The order in which the loader reads the buttons; a later checked button overrides an earlier one.
inline constexpr std::array<int, 6> kButtonReadOrder = {6, 4, 5, 1, 2, 3};

// The form name of category button N, "单选框N", as program text.
Text categoryButtonName(int button);

// "http://" + host + the category's path and query + the page in decimal + its suffix.
Text categoryListAddress(const FeedCategory& category, std::string_view host, int page);

}  // namespace pindora
