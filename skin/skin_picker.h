#pragma once
// The skin picker: the popup under the skin button that chooses the background picture or
// colour. Runs its own message loop and returns once the popup is gone.

namespace pindora {

void openSkinPicker();

}  // namespace pindora
