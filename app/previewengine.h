#pragma once

// The browser engine of the preview window, kept out of start-up: the window
// opens without it, and the first preview brings it up.
namespace previewEngine {

// Before the application object exists (main() and the tests call it first):
// registers the preview's URL scheme and defers the engine's graphics.
void prepare();

// Before the first browser view is made: sets up what prepare() deferred.
void start();

}  // namespace previewEngine
