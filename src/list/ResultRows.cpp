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

Str RowTip(const RowFactsView& facts, std::int32_t overlay, StrView thousands) {
  Str tip(OverlayTip(overlay));
  const auto sentence = [&tip](Str text) {
    if (!tip.empty()) tip += u' ';
    tip += text;
  };
  const FolderTotals& t = facts.totals;
  if (t.laterLinks > 0) {
    sentence(GroupedNumber(t.laterLinks, thousands) +
             (t.laterLinks == 1 ? u" hard link of a file counted under another name adds"
                                : u" hard links of files counted under another name add") +
             u" nothing to the size on disk.");
  }
  if (t.cloudFiles > 0) {
    sentence(GroupedNumber(t.cloudFiles, thousands) + (t.cloudFiles == 1 ? u" file is" : u" files are") +
             u" online only: " + GroupedNumber(t.cloudBytes, thousands) +
             u" bytes are kept in the cloud, not on this disk.");
  }
  return tip;
}

}  // namespace tarnwick
