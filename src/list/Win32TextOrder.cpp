#include "list/Win32TextOrder.h"

#include <windows.h>

namespace tarnwick {

int Win32TextOrder::Compare(StrView a, StrView b) const {
  // Not StrCmpLogicalW: some of its versions read a digit run into a 32-bit
  // number, and keys hold runs of thirty digits.
  const int result = ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS,
                                       reinterpret_cast<LPCWCH>(a.data()), static_cast<int>(a.size()),
                                       reinterpret_cast<LPCWCH>(b.data()), static_cast<int>(b.size()), nullptr,
                                       nullptr, 0);
  // A system without the digit rule fails the call; its code order is still
  // an order.
  if (result == 0) return (a > b) - (a < b);
  return result - CSTR_EQUAL;
}

}  // namespace tarnwick
