#pragma once
// Every path helper of the program, as text alone: no disk is asked.
//
// Paths of any length: the Win32 layer hands every path to the system in the
// extended "\\?\" form, which lifts the 260-character limit. No text the user
// sees ever shows that form.
#include <cstddef>
#include <optional>

#include "base/Text.h"

namespace tarnwick {

// `text` ending with "\": unchanged when it already does, else with "\"
// appended. Only the backslash counts; "" gives "\".
Str AddBackslash(StrView text);

// Everything up to and including the last "\" of `text`, or "" when it has
// none.
Str UpToLastBackslash(StrView text);

// The last name of a path, a final "\" left out: "C:\a\b\" gives "b".
StrView BareName(StrView path);

// The folder holding what `path` names (a final "\" left out), ending in
// "\", or "" for a text without any "\".
Str ContainingFolder(StrView path);

// The root text one folder up from `text`, ending in "\" (or "" for a text
// without any "\", which the search press then reports as missing), or
// nothing at a drive root such as C:\ or C:, which has no parent. Works on
// the text as it stands, not on the last searched root.
std::optional<Str> ParentRootText(StrView text);

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
