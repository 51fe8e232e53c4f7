#include "feed/categories.h"

#include <string>

#include "platform/codepage/codepage.h"

namespace pindora {

Text categoryButtonName(int button) { return utf8ToCp936("单选框") + std::to_string(button); }

Text categoryListAddress(const FeedCategory& category, std::string_view host, int page) {
    Text address = "http://";
    address += host;
    address += category.pathAndQuery;
    address += std::to_string(page);
    address += category.suffix;
    return address;
}

}  // namespace pindora
