#pragma once
// The texts of a time as the listing gives it: 100 ns ticks since 1601 in
// UTC (a FILETIME). The user's own format is the platform's to give, so the
// rows reach it through TimeTexts; the copied list writes ISO 8601 in UTC.
#include <cstdint>

#include "base/Text.h"

namespace tarnwick {

class TimeTexts {
 public:
  virtual ~TimeTexts() = default;
  // Appends `time` (never 0) as the user reads a short date and time.
  virtual void AppendShort(std::uint64_t time, Str& out) const = 0;
};

// "2024-03-05T07:08:09Z"; empty for 0, an unknown time.
Str IsoUtcText(std::uint64_t time);

// Times as IsoUtcText without its letters ("2024-03-05 07:08"), where no
// user's format is known.
const TimeTexts& UtcTimes();

}  // namespace tarnwick
