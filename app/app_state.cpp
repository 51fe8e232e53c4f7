#include "app/app_state.h"

namespace pindora {

AppState& appState() {
    static AppState state;
    return state;
}

}  // namespace pindora
