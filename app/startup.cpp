#include "app/startup.h"

#include "app/app_state.h"
#include "app/handlers.h"
#include "app/main_form.h"
#include "base/forum_host.h"
#include "feed/avatar_loader.h"
#include "feed/feed_state.h"
#include "platform/form/form.h"
#include "skin/skin_state.h"

namespace pindora {

int runPindora() {
    feedState().clear();                          // avatarLinks: an empty list
    appState().skin = std::make_unique<SkinFrame>();  // starts the drawing session
    createSkinState();
    setExitRoutine(exitRoutine);
    const ControlRef window = createMainWindow(mainFormDescription(forumHost()));
    bindMainWindowHandlers(window);
    showMainWindow();  // runs onWindowCreated
    return runMainLoop();
}

void exitRoutine() {
    // No load may touch the state once it is freed: stop them all and wait for their threads.
    stopAvatarLoads();
    waitForThreads();
    feedState().clear();
    appState().menuTarget = {};
    appState().skin.reset();  // gives the window its procedure back, ends the drawing session
    freeSkinState();
    destroyMainWindow();
}

}  // namespace pindora
