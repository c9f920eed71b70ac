// The program's entry, its window procedure and the start-up loads it repeats.
#pragma once

#include <cstdint>
#include <string>

#include "app/options.h"

namespace app {

constexpr const char* WINDOW_TITLE = "Vaulmoor (Created by Z.Q.ORTHEN)";

// The options this run was started with.
extern CommandLine StartOptions;

// Starts the program in its fixed order, runs the frame loop and returns the
// exit status: 1 after a normal close, 2 when start-up cannot go on.
int WinMain(int argc, char** argv);

intptr_t WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);

// Loads the nine start-up bitmaps into slots 1 to 9, the pictures with words in the
// chosen language. Returns the first file that could not be loaded, or "" when all
// nine loaded.
std::string LoadGraphics();

// Loads the six sound effects into the sound handles.
void LoadSounds();

}  // namespace app
