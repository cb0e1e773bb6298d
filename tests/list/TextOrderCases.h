#pragma once
// What every order of key texts must do, checked against the portable order
// natively and against the system's order under Wine.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "list/NumberFormat.h"
#include "list/TextOrder.h"

namespace tarnwick::testing {

inline int SignOf(int c) { return (c > 0) - (c < 0); }

struct OrderCase {
  const char16_t* a;
  const char16_t* b;
  int sign;  // of Compare(a, b)
};

// Checks Compare both ways round.
inline void ExpectCases(const TextOrder& order, const std::vector<OrderCase>& cases) {
  for (const OrderCase& c : cases) {
    EXPECT_EQ(SignOf(order.Compare(c.a, c.b)), c.sign) << ToUtf8(c.a) << " vs " << ToUtf8(c.b);
    EXPECT_EQ(SignOf(order.Compare(c.b, c.a)), -c.sign) << ToUtf8(c.b) << " vs " << ToUtf8(c.a);
  }
}

// Names as a Windows user expects them.
inline void ExpectNameOrder(const TextOrder& names) {
  ExpectCases(names, {
                         {u"Folder 2", u"Folder 10", -1},
                         {u"a", u"B", -1},
                         {u"readme", u"README", 0},
                         {u"007", u"8", -1},
                         {u"file10a", u"file9b", 1},
                         {u"x99999999999", u"x100000000000", -1},
                         {u"１０", u"９", 1},
                         {u"あ", u"い", -1},
                         {u"あ", u"漢", -1},
                         {u"", u"a", -1},
                     });
}

// Keys of zero-padded sizes around every power of ten and of two up to 2^53,
// behind each prefix a row can have, order exactly as the sizes do.
inline void ExpectPaddedKeysInNumericOrder(const TextOrder& order) {
  std::vector<double> sizes;
  for (double p = 1; p <= 1e16; p *= 10) {
    for (const double d : {-2.0, -1.0, 0.0, 1.0, 2.0}) {
      if (p + d >= 0) sizes.push_back(p + d);
    }
  }
  for (int e = 0; e <= 53; ++e) {
    const double p = std::ldexp(1.0, e);
    for (const double d : {-1.0, 0.0, 1.0}) sizes.push_back(p + d);
  }
  sizes.push_back(0);
  int wrong = 0;
  for (const char16_t* prefix : {u"6", u"7", u"4", u"3"}) {
    std::vector<Str> keys;
    for (const double size : sizes) keys.push_back(prefix + PaddedNumber(size));
    for (size_t i = 0; i < sizes.size(); ++i) {
      for (size_t j = 0; j < sizes.size(); ++j) {
        const int expected = (sizes[i] > sizes[j]) - (sizes[i] < sizes[j]);
        if (SignOf(order.Compare(keys[i], keys[j])) != expected && ++wrong <= 5) {
          ADD_FAILURE() << ToUtf8(keys[i]) << " vs " << ToUtf8(keys[j]);
        }
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace tarnwick::testing
