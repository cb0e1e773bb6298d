#include "list/ResultRows.h"

#include <algorithm>
#include <cmath>

#include "list/NumberFormat.h"
#include "list/ResultColumns.h"

namespace tarnwick {
namespace {

struct SizeUnit {
  std::uint64_t divisor;
  const char16_t* suffix;
};

// Chosen by the selected button only, never by the size shown.
SizeUnit UnitFor(int selectedButton) {
  if (selectedButton == 0) return {1073741824, u"GB"};
  if (selectedButton == 1) return {1048576, u"MB"};
  return {1024, u"KB"};
}

}  // namespace

Str SimpleSizeText(double size, int selectedUnit, StrView decimal) {
  const SizeUnit unit = UnitFor(selectedUnit);
  // The number the padded text holds: the size rounded to a whole one.
  const double v = ReadNumber(PaddedNumber(size));
  return OneDecimalDown(v, unit.divisor, decimal) + unit.suffix;
}

double ShareOf(double part, double whole) { return whole > 0 && part > 0 ? std::min(part / whole, 1.0) : 0; }

Str ShareText(double part, double whole, StrView decimal) {
  const double tenths = std::round(ShareOf(part, whole) * 1000);
  return PlainNumber(std::floor(tenths / 10)) + Str(decimal) + PlainNumber(std::fmod(tenths, 10)) + u"%";
}

StrView OverlayTip(std::int32_t overlay) {
  return overlay == kShortTotalsOverlay ? StrView(kShortTotalsTip) : StrView();
}

}  // namespace tarnwick
