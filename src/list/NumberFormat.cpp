#include "list/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tarnwick {
namespace {

constexpr double kTwoTo64 = 18446744073709551616.0;
constexpr int kPaddedWidth = 30;

// A number rounded to a whole one, as sign and decimal digits. Below 2^64 it
// goes through an integer, so every whole double there comes out exactly.
struct WholeNumber {
  bool negative = false;
  std::string digits;
};

WholeNumber ToWhole(double value) {
  if (!std::isfinite(value)) return {false, "0"};
  const double magnitude = std::fabs(std::round(value));
  WholeNumber out;
  out.negative = value < 0 && magnitude != 0;
  if (magnitude < kTwoTo64) {
    out.digits = std::to_string(static_cast<std::uint64_t>(magnitude));
  } else {
    char buffer[400];  // a double has at most 309 integer digits
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, 0).ptr;
    out.digits.assign(buffer, end);
  }
  return out;
}

bool IsWhole(double value) { return std::isfinite(value) && std::floor(value) == value; }

void AppendAscii(Str& out, std::string_view ascii) { out.append(ascii.begin(), ascii.end()); }

}  // namespace

Str GroupedNumber(double value, StrView thousands) {
  const WholeNumber whole = ToWhole(value);
  Str out;
  if (whole.digits == "0") return out;  // the mask has no mandatory digit
  if (whole.negative) out += u'-';
  const size_t n = whole.digits.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += thousands;
    out += static_cast<char16_t>(whole.digits[i]);
  }
  return out;
}

Str PaddedNumber(double value) {
  const WholeNumber whole = ToWhole(value);
  Str out;
  if (whole.negative) out += u'-';
  if (whole.digits.size() < kPaddedWidth) out.append(kPaddedWidth - whole.digits.size(), u'0');
  AppendAscii(out, whole.digits);
  return out;
}

Str PlainNumber(double value) {
  Str out;
  if (!std::isfinite(value) || IsWhole(value)) {
    const WholeNumber whole = ToWhole(value);
    if (whole.negative) out += u'-';
    AppendAscii(out, whole.digits);
    return out;
  }
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
  AppendAscii(out, std::string_view(buffer, static_cast<size_t>(end - buffer)));
  return out;
}

Str OneDecimalDown(double value, std::uint64_t divisor, StrView decimal) {
  if (divisor == 0) divisor = 1;
  if (!std::isfinite(value)) value = 0;
  bool negative = false;
  std::string wholeDigits;
  int tenth = 0;
  if (IsWhole(value) && value >= 0 && value < kTwoTo64 &&
      divisor <= std::numeric_limits<std::uint64_t>::max() / 10) {
    // Integer arithmetic: dividing in floating point first can round a
    // quotient such as 9.99999999 up to 10 and show one tenth too much.
    const auto v = static_cast<std::uint64_t>(value);
    wholeDigits = std::to_string(v / divisor);
    tenth = static_cast<int>(v % divisor * 10 / divisor);
  } else {
    const double tenths = std::floor(value / static_cast<double>(divisor) * 10);
    negative = tenths < 0;
    const double magnitude = std::fabs(tenths);
    const double lastDigit = std::fmod(magnitude, 10.0);
    wholeDigits = ToWhole((magnitude - lastDigit) / 10).digits;
    tenth = static_cast<int>(lastDigit);
  }
  Str out;
  if (negative) out += u'-';
  AppendAscii(out, wholeDigits);
  out += decimal;
  out += static_cast<char16_t>(u'0' + tenth);
  return out;
}

double ReadNumber(StrView text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  // Whole digits stay exact in an integer; only beyond 2^64 do they go on
  // in floating point.
  std::uint64_t exact = 0;
  double beyond = -1;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    const unsigned digit = static_cast<unsigned>(text[i] - u'0');
    if (beyond < 0 && exact <= (std::numeric_limits<std::uint64_t>::max() - digit) / 10) {
      exact = exact * 10 + digit;
    } else {
      beyond = (beyond < 0 ? static_cast<double>(exact) : beyond) * 10 + digit;
    }
  }
  const double magnitude = beyond < 0 ? static_cast<double>(exact) : beyond;
  return negative ? -magnitude : magnitude;
}

}  // namespace tarnwick
