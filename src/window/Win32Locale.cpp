#include "window/Win32Locale.h"

#include <windows.h>

#include "base/Win32Text.h"

namespace tarnwick {
namespace {

// Keeps the fallback when the locale cannot be read.
void ReadInto(LCTYPE type, Str& value) {
  wchar_t buffer[16] = {};
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 16) > 0) value = FromWide(buffer);
}

}  // namespace

NumberSeparators ReadNumberSeparators() {
  NumberSeparators separators;
  ReadInto(LOCALE_STHOUSAND, separators.thousands);
  ReadInto(LOCALE_SDECIMAL, separators.decimal);
  return separators;
}

}  // namespace tarnwick
