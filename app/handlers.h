#pragma once
// The main window's event handlers. All run on the window thread and return at once; feed
// loads run on worker threads of their own.

#include <cstdint>

#include "platform/form/form.h"

namespace pindora {

// Gives each control of the main window its handler (before the window is shown).
void bindMainWindowHandlers(ControlRef window);

// Starts one feed load on a worker thread of its own and returns at once.
void startFeedLoad();

void onWindowCreated(ControlRef window);
void onCategoryClicked(ControlRef button);
void onPreviousPage(ControlRef button);
void onNextPage(ControlRef button);
void onThumbnailLeftPress(ControlRef box);
void onThumbnailRightPress(ControlRef box);
void onCopyPicture(ControlRef item);
void onSavePicture(ControlRef item);
void onNavItem(std::int32_t index);
void onExtraButton(std::int32_t index);

}  // namespace pindora
