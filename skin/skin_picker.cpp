#include "skin/skin_picker.h"

namespace pindora {

// The picker popup is not built yet: the skin button shows its pressed state and nothing opens.
void openSkinPicker() {}

}  // namespace pindora
