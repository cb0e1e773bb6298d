#pragma once
#include "list/TimeText.h"
#include "window/FormView.h"

namespace tarnwick {

// The user's thousands and decimal separators, for the size columns.
NumberSeparators ReadNumberSeparators();

// Times in the user's short date and time format, in local time.
const TimeTexts& UserTimes();

}  // namespace tarnwick
