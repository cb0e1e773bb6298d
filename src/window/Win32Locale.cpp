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

class Win32UserTimes final : public TimeTexts {
 public:
  void AppendShort(std::uint64_t time, Str& out) const override {
    FILETIME utc{static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&utc, &universal) || !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
      return;
    }
    wchar_t date[80] = {};
    wchar_t clock[80] = {};
    if (::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 80, nullptr) == 0 ||
        ::GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &local, nullptr, clock, 80) == 0) {
      return;
    }
    out += FromWide(date);
    out += u' ';
    out += FromWide(clock);
  }
};

}  // namespace

const TimeTexts& UserTimes() {
  static const Win32UserTimes times;
  return times;
}

NumberSeparators ReadNumberSeparators() {
  NumberSeparators separators;
  ReadInto(LOCALE_STHOUSAND, separators.thousands);
  ReadInto(LOCALE_SDECIMAL, separators.decimal);
  return separators;
}

}  // namespace tarnwick
