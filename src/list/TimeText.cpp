#include "list/TimeText.h"

#include <cstdio>

namespace tarnwick {
namespace {

constexpr std::uint64_t kTicksPerSecond = 10000000;
// Days from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kDaysTo1970 = 134774;

struct UtcFields {
  std::int64_t year;
  unsigned month, day, hour, minute, second;
};

// The civil date of a day counted from 1970-01-01 (the proleptic Gregorian
// calendar, in 400-year eras).
UtcFields FieldsOf(std::uint64_t time) {
  const std::uint64_t seconds = time / kTicksPerSecond;
  const std::int64_t z = static_cast<std::int64_t>(seconds / 86400) - kDaysTo1970 + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned month = mp < 10 ? mp + 3 : mp - 9;
  const auto inDay = static_cast<unsigned>(seconds % 86400);
  return {static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0), month, doy - (153 * mp + 2) / 5 + 1,
          inDay / 3600, inDay / 60 % 60, inDay % 60};
}

Str Formatted(std::uint64_t time, const char* format, bool seconds) {
  const UtcFields f = FieldsOf(time);
  char text[40];
  const int n = seconds ? std::snprintf(text, sizeof text, format, static_cast<long long>(f.year), f.month, f.day,
                                        f.hour, f.minute, f.second)
                        : std::snprintf(text, sizeof text, format, static_cast<long long>(f.year), f.month, f.day,
                                        f.hour, f.minute);
  return n > 0 ? Str(text, text + n) : Str();
}

class UtcShortTimes final : public TimeTexts {
 public:
  void AppendShort(std::uint64_t time, Str& out) const override {
    out += Formatted(time, "%04lld-%02u-%02u %02u:%02u", false);
  }
};

}  // namespace

Str IsoUtcText(std::uint64_t time) {
  return time == 0 ? Str() : Formatted(time, "%04lld-%02u-%02uT%02u:%02u:%02uZ", true);
}

const TimeTexts& UtcTimes() {
  static const UtcShortTimes times;
  return times;
}

}  // namespace tarnwick
