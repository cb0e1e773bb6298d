#pragma once
// How the texts that rows are sorted by compare. Names come out in the order
// a Windows user knows from the shell: letters without regard to case, runs
// of digits as the numbers they spell ("Folder 2" before "Folder 10"), the
// rest as the user's locale orders it. That order is the platform's; the
// program reaches it through TextOrder, as it reaches the disk through
// FileSystem.
#include "base/Text.h"

namespace tarnwick {

class TextOrder {
 public:
  virtual ~TextOrder() = default;
  // Negative when a comes before b, positive when after, 0 when the order
  // holds them equal (names that differ only in case, say).
  virtual int Compare(StrView a, StrView b) const = 0;
};

// The same rules without a locale, for builds and tests away from Windows:
// Latin letters without regard to case or width, runs of ASCII or full-width
// digits as numbers (with more leading zeros first among equal numbers),
// every other character by its UTF-16 code.
class NaturalTextOrder final : public TextOrder {
 public:
  int Compare(StrView a, StrView b) const override;
};

// One NaturalTextOrder for everyone.
const TextOrder& NaturalOrder();

}  // namespace tarnwick
