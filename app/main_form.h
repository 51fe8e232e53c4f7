#pragma once
// MainWindow, the program's only form: its controls, places, sizes and texts.

#include <string_view>

#include "base/types.h"
#include "platform/form/form.h"

namespace pindora {

// The form for the given forum host (shown by 透明标签4 and at the end of the about text).
FormDescription mainFormDescription(std::string_view host);

// The six thumbnail boxes carry the tags "1" to "6".
inline constexpr int kThumbnailCount = 6;

}  // namespace pindora
