#pragma once
// The texts the search run writes to the status bar.
#include "window/PublicTexts.h"
#include "base/Text.h"
#include "scan/UnreadableList.h"

namespace tarnwick {

// A total of files or bytes as status texts show it: plain digits, exact for
// every whole number a double holds exactly (up to 2^53).
Str TotalText(double value);

Str RootFileProgressText(long long index);                // 3Files in Root
Str FolderProgressText(double bytes, const Str& folder);  // 512Bytes in C:\A\.
Str CompletionText(double files, double bytes);           // Complate. All Search ...

// The second status panel: what the run could not read, such as
// "3 folders and 1 file could not be read"; empty when it read everything.
Str UnreadableCountText(const UnreadableList& unreadable);

}  // namespace tarnwick
