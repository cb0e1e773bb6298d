#pragma once
#include "window/FormView.h"

namespace tarnwick {

// The user's thousands and decimal separators, for the size columns.
NumberSeparators ReadNumberSeparators();

}  // namespace tarnwick
