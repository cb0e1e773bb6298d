#pragma once
// Small path helpers that the scanner, the search run and navigation share.
#include <cstdint>

#include "base/Text.h"
#include "scan/FileSystem.h"

namespace tarnwick {

// `text` ending with "\": unchanged when it already does, else with "\"
// appended. Only the backslash counts; "" gives "\".
Str AddBackslash(StrView text);

// Attribute bits of `path`, or 0 when they cannot be read. Callers only test
// the folder bit, so an unreadable entry counts as a file.
std::uint32_t SafeGetAttr(FileSystem& fs, const Str& path);

inline bool IsFolder(std::uint32_t attributes) { return (attributes & kAttrDirectory) != 0; }

// Everything up to and including the last "\" of `text`, or "" when it has
// none.
Str UpToLastBackslash(StrView text);

}  // namespace tarnwick
