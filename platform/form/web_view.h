#pragma once
// Internal to the form runtime: the web view's fetches.

namespace pindora {

// Aborts every fetch of a web view still running (the window is going away).
void cancelWebViewFetches();

}  // namespace pindora
