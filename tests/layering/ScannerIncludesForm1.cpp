// Compiled as if it were part of the scanner: the scanner sits below the
// application, so the application's header must not be found from here.
#include "app/Form1.h"
