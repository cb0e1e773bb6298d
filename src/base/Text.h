#pragma once
// All text in the core is UTF-16, the platform's own encoding, so a name goes
// from the directory enumeration to the list without any conversion.
#include <string>
#include <string_view>

namespace tarnwick {

using Str = std::u16string;
using StrView = std::u16string_view;

// For test output, scripts and the command line of the Linux-side tools.
std::string ToUtf8(StrView text);
Str FromUtf8(std::string_view text);

// Plain decimal text of a whole number, as status texts and counts show it.
Str DecimalText(long long value);

}  // namespace tarnwick
