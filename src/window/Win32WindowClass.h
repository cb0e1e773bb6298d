#pragma once
#include <windows.h>

#include "base/Text.h"

namespace tarnwick {

// Registers a top-level window class of the program: its icon, the arrow
// cursor and the dialog background, with `procedure` as its window
// procedure. True when the class is there, also when it was already.
bool RegisterProgramWindowClass(const Str& className, WNDPROC procedure);

}  // namespace tarnwick
