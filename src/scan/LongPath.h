#pragma once
// Paths of any length: the Win32 layer hands every path to the system in the
// extended "\\?\" form, which lifts the 260-character limit. No text the user
// sees ever shows that form.
#include <cstddef>

#include "base/Text.h"

namespace tarnwick {

// The longest path the system takes, in UTF-16 units: it counts a path's
// bytes in 16 bits. A longer text names nothing; handed down anyway, it would
// arrive cut short or wrapped round, naming some other folder.
constexpr size_t kMaxPathLength = 32767;

// `path` as the system reads what a user names: its last name without
// trailing dots and blanks, with or without a final "\" ("C:\x\acc." and
// "C:\x\acc  \" name C:\x\acc). A last name of dots only ("..") and
// paths in the extended form are left as they are.
Str WithoutTrailingDotsAndBlanks(StrView path);

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
