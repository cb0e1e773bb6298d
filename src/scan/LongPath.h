#pragma once
// Paths of any length: the Win32 layer hands every path to the system in the
// extended "\\?\" form, which lifts the 260-character limit. No text the user
// sees ever shows that form.
#include "scan/Text.h"

namespace tarnwick {

// True when `path` must first be made absolute and canonical by the system
// (relative paths, "." or ".." parts, forward slashes), since the extended form
// takes every character literally.
bool NeedsFullPath(StrView path);

// `path` (absolute and canonical) in the extended form: C:\x becomes \\?\C:\x
// and \\server\share\x becomes \\?\UNC\server\share\x. Paths already in a
// device or extended form, and paths the form cannot express, are returned
// unchanged.
Str ToExtendedPath(StrView path);

}  // namespace tarnwick
