#pragma once
#include "base/Win32GuiHandles.h"

namespace tarnwick {

// The font of every control: the system's message font at the given DPI,
// which on a Japanese system draws the Japanese captions.
UniqueFont CreateUiFont(int dpi);

}  // namespace tarnwick
