#pragma once
// Resource numbers shared by the resource script and the code. Plain macros,
// since the resource compiler reads this file too.

// The first icon is the one the shell shows for the program.
#define IDI_TARNWICK 1
#define IDI_FOLDER 101
#define IDI_DOCUMENT 102
#define IDI_BROWSE_FOLDER 103
#define IDI_GO_UP 104
#define IDI_SHORT_TOTALS 105
