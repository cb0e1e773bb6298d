#pragma once
// Going up one folder from the text of the root box.
#include <optional>

#include "base/Text.h"

namespace tarnwick {

// The root text one folder up from `text`, ending in "\" (or "" for a text
// without any "\", which the search press then reports as missing), or
// nothing at a drive root such as C:\ or C:, which has no parent. Works on
// the text as it stands, not on the last searched root.
std::optional<Str> ParentRootText(StrView text);

}  // namespace tarnwick
