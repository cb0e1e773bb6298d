#pragma once
// Paths of any length: the Win32 layer hands every path to the system in the
// extended "\\?\" form, which lifts the 260-character limit. No text the user
// sees ever shows that form.
#include "base/Text.h"

namespace tarnwick {

// True when `path` must first be made absolute and canonical by the system
// (relative paths, "." or ".." parts, forward slashes, doubled backslashes),
// since the extended form takes every character literally. Names ending in a
// blank or a dot are kept literally: such names exist, and canonicalising
// would strip them.
bool NeedsFullPath(StrView path);

// True for the root of a drive or share: C:\ or \\server\share\ (the
// trailing "\" may be missing). The system's attribute query wants a root
// with its "\" and any other folder without it.
bool IsRootPath(StrView path);

// `path` (absolute and canonical) in the extended form: C:\x becomes \\?\C:\x
// and \\server\share\x becomes \\?\UNC\server\share\x. Paths already in a
// device or extended form, and paths the form cannot express, are returned
// unchanged.
Str ToExtendedPath(StrView path);

}  // namespace tarnwick
