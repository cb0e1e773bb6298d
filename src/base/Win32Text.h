#pragma once
// The core's UTF-16 text and the Win32 wide strings are the same code units;
// these only change the character type.
#include <string>

#include "base/Text.h"

namespace tarnwick {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide characters are UTF-16");

inline std::wstring ToWide(StrView text) { return std::wstring(text.begin(), text.end()); }
inline Str FromWide(const wchar_t* text) { return Str(reinterpret_cast<const char16_t*>(text)); }
inline Str FromWide(const std::wstring& text) { return Str(text.begin(), text.end()); }

}  // namespace tarnwick
