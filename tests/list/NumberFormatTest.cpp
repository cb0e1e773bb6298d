#include <gtest/gtest.h>

#include <iterator>

#include "base/Text.h"
#include "list/NumberFormat.h"

namespace tarnwick {
namespace {

constexpr double kTwoTo53 = 9007199254740992.0;

Str Zeros(size_t n) { return Str(n, u'0'); }

TEST(GroupedNumber, GroupsByThreeAndLeavesZeroEmpty) {
  const struct {
    double value;
    const char16_t* text;
  } cases[] = {
      {0, u""},
      {1, u"1"},
      {999, u"999"},
      {1000, u"1,000"},
      {1234567, u"1,234,567"},
      {100000000000, u"100,000,000,000"},
      {kTwoTo53, u"9,007,199,254,740,992"},
      {kTwoTo53 - 1, u"9,007,199,254,740,991"},
  };
  for (const auto& c : cases) EXPECT_EQ(GroupedNumber(c.value, u","), c.text) << c.value;
}

TEST(GroupedNumber, UsesTheLocaleSeparatorWhateverItsLength) {
  EXPECT_EQ(GroupedNumber(1234567, u"."), u"1.234.567");
  EXPECT_EQ(GroupedNumber(1234567, u"\u00a0"), u"1\u00a0234\u00a0567");
  EXPECT_EQ(GroupedNumber(1234567, u""), u"1234567");
  EXPECT_EQ(GroupedNumber(1234, u"'\u2019"), u"1'\u2019234");
}

TEST(PaddedNumber, ThirtyDigitsThatCompareInNumericOrder) {
  EXPECT_EQ(PaddedNumber(0), Zeros(30));
  EXPECT_EQ(PaddedNumber(1234567), Zeros(23) + u"1234567");
  EXPECT_EQ(PaddedNumber(kTwoTo53), Zeros(14) + u"9007199254740992");
  EXPECT_EQ(PaddedNumber(18446744073709551615.0), Zeros(10) + u"18446744073709551616");

  const double ascending[] = {0, 1, 9, 10, 1023, 1024, 99999, 100000, 4294967296.0, kTwoTo53 - 1, kTwoTo53};
  for (size_t i = 1; i < std::size(ascending); ++i) {
    EXPECT_LT(PaddedNumber(ascending[i - 1]), PaddedNumber(ascending[i])) << ascending[i];
  }
}

TEST(PlainNumber, ShortestDecimalText) {
  EXPECT_EQ(PlainNumber(0), u"0");
  EXPECT_EQ(PlainNumber(-0.0), u"0");
  EXPECT_EQ(PlainNumber(7), u"7");
  EXPECT_EQ(PlainNumber(1234567), u"1234567");
  EXPECT_EQ(PlainNumber(kTwoTo53), u"9007199254740992");
  EXPECT_EQ(PlainNumber(-3), u"-3");
  EXPECT_EQ(PlainNumber(1e20), u"100000000000000000000");
}

struct OneDecimalCase {
  double bytes;
  std::uint64_t divisor;
  const char16_t* text;
};

TEST(OneDecimalDown, CutsDownToOneDecimalNeverRoundingUp) {
  constexpr std::uint64_t GB = 1073741824, MB = 1048576, KB = 1024;
  const OneDecimalCase cases[] = {
      {1610612736, GB, u"1.5"},
      {1073741823, GB, u"0.9"},
      {1073741824, GB, u"1.0"},
      {123456789, MB, u"117.7"},
      {5368709120, MB, u"5120.0"},
      {1048575, MB, u"0.9"},
      {1000, MB, u"0.0"},
      {1023, KB, u"0.9"},
      {0, KB, u"0.0"},
      {500.0 * 1048576, GB, u"0.4"},
      {2047, KB, u"1.9"},
      {kTwoTo53, KB, u"8796093022208.0"},
      // Quotients whose tenfold rounds up to the next whole number in
      // floating point, one tenth more than the size holds.
      {3327137540158259, GB, u"3098638.2"},
      {5780714694587187, MB, u"5512919134.6"},
      {8202855641879961, KB, u"8010601212773.3"},
  };
  for (const auto& c : cases) EXPECT_EQ(OneDecimalDown(c.bytes, c.divisor, u"."), c.text) << c.bytes;
}

TEST(OneDecimalDown, UsesTheLocaleDecimalSeparatorAndNoGrouping) {
  EXPECT_EQ(OneDecimalDown(1610612736, 1073741824, u","), u"1,5");
  EXPECT_EQ(OneDecimalDown(5368709120, 1048576, u","), u"5120,0");
}

TEST(ReadNumber, ReadsTheLeadingWholeNumber) {
  EXPECT_EQ(ReadNumber(Zeros(30)), 0);
  EXPECT_EQ(ReadNumber(Zeros(23) + u"1234567"), 1234567);
  EXPECT_EQ(ReadNumber(Zeros(14) + u"9007199254740991"), kTwoTo53 - 1);
  EXPECT_EQ(ReadNumber(u"1"), 1);
  EXPECT_EQ(ReadNumber(u"  -2"), -2);
  EXPECT_EQ(ReadNumber(u"12abc"), 12);
  EXPECT_EQ(ReadNumber(u""), 0);
  EXPECT_EQ(ReadNumber(u"x1"), 0);
  EXPECT_EQ(ReadNumber(u"100000000000000000000000000000"), 1e29);
}

TEST(ReadNumber, RoundTripsEveryPaddedWholeNumberExactly) {
  for (double v : {0.0, 1.0, 1023.0, 1048575.0, 1073741823.0, 5368709120.0, kTwoTo53 - 1, kTwoTo53}) {
    EXPECT_EQ(ReadNumber(PaddedNumber(v)), v);
  }
}

}  // namespace
}  // namespace tarnwick
