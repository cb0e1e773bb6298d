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

// A Latin letter, narrow or full-width, as its small letter of the same
// width: names that differ only so are one name to Windows.
constexpr char16_t FoldCase(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
  if (c >= u'\uFF21' && c <= u'\uFF3A') return static_cast<char16_t>(c - u'\uFF21' + u'\uFF41');
  return c;
}
// Whether `text` begins with `prefix`, letters compared by FoldCase.
bool StartsWithIgnoringCase(StrView text, StrView prefix);
inline bool EqualIgnoringCase(StrView a, StrView b) { return a.size() == b.size() && StartsWithIgnoringCase(a, b); }

// -1, 0 or 1, as a comparison's result.
constexpr int Sign(int c) { return (c > 0) - (c < 0); }

}  // namespace tarnwick
