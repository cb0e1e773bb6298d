#include "app/CommandLine.h"

namespace tarnwick {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

Str CommandLineArguments(StrView fullCommandLine) {
  const size_t n = fullCommandLine.size();
  size_t i = 0;
  bool quoted = false;
  for (; i < n; ++i) {
    const char16_t c = fullCommandLine[i];
    if (c == u'"') {
      quoted = !quoted;
    } else if (!quoted && IsBlank(c)) {
      break;
    }
  }
  while (i < n && IsBlank(fullCommandLine[i])) ++i;
  return Str(fullCommandLine.substr(i));
}

}  // namespace tarnwick
