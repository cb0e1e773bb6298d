#pragma once
#include "base/Text.h"

namespace tarnwick {

// Shows the shell's folder picker and returns the chosen folder ending in "\",
// or "" when the user cancels. Needs COM initialised on the calling thread.
Str BrowseForFolder();

}  // namespace tarnwick
