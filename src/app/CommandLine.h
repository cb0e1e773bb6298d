#pragma once
#include "base/Text.h"

namespace tarnwick {

// The text after the program's own name in a full command line, as the
// system hands it over. The program name ends at the first blank outside
// quotation marks (the rule of the system's start-up code: no escapes, a
// quoted part may hold blanks, an unclosed quotation mark takes the rest of
// the line); the blanks after it are dropped and everything else is kept
// exactly, quotation marks and trailing blanks included.
Str CommandLineArguments(StrView fullCommandLine);

}  // namespace tarnwick
