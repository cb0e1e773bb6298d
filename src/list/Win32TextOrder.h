#pragma once
// The order of names as the shell shows them, from the system: the user's
// locale, without regard to case, digit runs as numbers.
#include "list/TextOrder.h"

namespace tarnwick {

class Win32TextOrder final : public TextOrder {
 public:
  int Compare(StrView a, StrView b) const override;
};

}  // namespace tarnwick
