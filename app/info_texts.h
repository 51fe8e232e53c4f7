#pragma once
// The fixed texts of the main window's information pages and its notice line, as program text
// (code page 936). Texts that name the forum host take it as an argument.

#include <string_view>

#include "base/types.h"

namespace pindora {

Text aboutText(std::string_view host);    // 编辑框1
Text contactText();                       // 标签1; 透明标签4 with the host lies over its parentheses
Text feedbackText();                      // 标签2
Text usageText();                         // 标签3; 透明标签1 lies over its parentheses
Text noticeText(std::string_view host);   // the skin's notice line

}  // namespace pindora
