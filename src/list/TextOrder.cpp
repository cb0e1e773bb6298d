#include "list/TextOrder.h"

namespace tarnwick {
namespace {

// 0..9 for an ASCII or full-width digit, -1 for anything else.
int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'\uFF10' && c <= u'\uFF19') return c - u'\uFF10';
  return -1;
}

// Latin letters, narrow or full-width, as one narrow small letter: names
// sort as if their letters were all of one case and one width.
char16_t FoldLetter(char16_t c) {
  c = FoldCase(c);
  if (c >= u'\uFF41' && c <= u'\uFF5A') return static_cast<char16_t>(c - u'\uFF41' + u'a');
  return c;
}

// Compares the digit runs that start a and b by value, without converting
// them (a run may be longer than any integer type). Advances both past their
// runs. `zeros` gets which run had more leading zeros, for a tie.
int CompareDigitRuns(StrView a, size_t& i, StrView b, size_t& j, int& zeros) {
  const auto skipZeros = [](StrView s, size_t& k) {
    size_t n = 0;
    while (k < s.size() && DigitValue(s[k]) == 0) ++k, ++n;
    return n;
  };
  const auto runEnd = [](StrView s, size_t k) {
    while (k < s.size() && DigitValue(s[k]) >= 0) ++k;
    return k;
  };
  const size_t zerosA = skipZeros(a, i);
  const size_t zerosB = skipZeros(b, j);
  const size_t endA = runEnd(a, i);
  const size_t endB = runEnd(b, j);
  int c = Sign(static_cast<int>(endA - i) - static_cast<int>(endB - j));
  for (; c == 0 && i < endA; ++i, ++j) c = Sign(DigitValue(a[i]) - DigitValue(b[j]));
  i = endA;
  j = endB;
  if (zeros == 0 && zerosA != zerosB) zeros = zerosA > zerosB ? -1 : 1;
  return c;
}

}  // namespace

int NaturalTextOrder::Compare(StrView a, StrView b) const {
  size_t i = 0;
  size_t j = 0;
  int zeros = 0;
  while (i < a.size() && j < b.size()) {
    if (DigitValue(a[i]) >= 0 && DigitValue(b[j]) >= 0) {
      const int c = CompareDigitRuns(a, i, b, j, zeros);
      if (c != 0) return c;
      continue;
    }
    const char16_t x = FoldLetter(a[i]);
    const char16_t y = FoldLetter(b[j]);
    if (x != y) return x < y ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  return zeros;
}

const TextOrder& NaturalOrder() {
  static const NaturalTextOrder order;
  return order;
}

}  // namespace tarnwick
