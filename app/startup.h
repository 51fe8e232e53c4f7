#pragma once
// The program's two ends: start-up and the exit routine.

namespace pindora {

// Start-up on the window thread (the toolkit's application object exists already): the
// program state with the skin object, the skin's module state, the exit routine, and the main
// window, whose Created handler starts the first load and attaches the skin. Then the main loop
// runs until the window is closed, and the exit routine. Returns 0.
int runPindora();

// Stops and waits for every running load, frees the feed state, destroys the skin and then
// its module state. Registered as the exit routine, which the form runtime calls once.
void exitRoutine();

}  // namespace pindora
