#pragma once
// The number texts of the result list. Every value is a double holding a
// whole, non-negative amount (bytes, files, folders); whole numbers are
// formatted exactly up to 2^64, which covers every size a disk can hold.
#include <cstdint>

#include "base/Text.h"

namespace tarnwick {

// Separators of the user's locale, read once by the Win32 layer.
struct NumberSeparators {
  Str thousands = u",";
  Str decimal = u".";
};

// "###,###,###,###": digits grouped by three with `thousands` between the
// groups, no leading zeros; 0 gives the empty text.
Str GroupedNumber(double value, StrView thousands);

// "000000000000000000000000000000": the digits padded with leading zeros to
// thirty, so that two such texts compare as text in numeric order.
Str PaddedNumber(double value);

// The shortest decimal text, no separators; 0 gives "0".
Str PlainNumber(double value);

// value / divisor cut down (never rounded up) to one decimal place, with the
// mask "0.0": at least one digit, `decimal`, exactly one digit after it.
Str OneDecimalDown(double value, std::uint64_t divisor, StrView decimal);

// The whole number that a text starts with (leading blanks, an optional
// minus sign, digits), as the list's texts hold them; 0 when there is none.
double ReadNumber(StrView text);

}  // namespace tarnwick
