#pragma once
// The texts the search run writes to the status bar.
#include "app/PublicTexts.h"
#include "base/Text.h"

namespace tarnwick {

// A total of files or bytes as status texts show it: plain digits, exact for
// every whole number a double holds exactly (up to 2^53).
Str TotalText(double value);

Str RootFileProgressText(long long index);                // 3Files in Root
Str FolderProgressText(double bytes, const Str& folder);  // 512Bytes in C:\A\.
Str CompletionText(double files, double bytes);           // Complate. All Search ...

}  // namespace tarnwick
