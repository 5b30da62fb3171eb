#pragma once
// Returning the widget toolkit model to its starting state, as tests do between cases.

// Disposes of every window (the observer hears of each), then drops the modal driver, the beep
// count and the observer. Handles given out before never resolve again.
void ResetToolkitState();
