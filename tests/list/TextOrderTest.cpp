#include "list/TextOrder.h"

#include <gtest/gtest.h>

#include "TextOrderCases.h"

namespace tarnwick {
namespace {

TEST(TextOrder, ThePortableOrderSortsNamesAndKeysAsTheSystemDoes) {
  testing::ExpectNameOrder(NaturalOrder());
  testing::ExpectPaddedKeysInNumericOrder(NaturalOrder());
}

TEST(TextOrder, DigitRunsLongerThanAnyIntegerCompareByValue) {
  testing::ExpectCases(NaturalOrder(), {
                                           {u"a0000000000000000000000000000000000001", u"a2", -1},
                                           {u"a100000000000000000000000000000000000", u"a99999999999999999999", 1},
                                           {u"x02", u"x2", -1},  // equal numbers: more zeros first
                                           {u"a1b", u"a01b", 1},
                                       });
}

}  // namespace
}  // namespace tarnwick
