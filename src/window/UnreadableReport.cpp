#include "window/UnreadableReport.h"

#include <algorithm>

namespace tarnwick {

UnreadableReport MakeUnreadableReport(const UnreadableList& unreadable, const TextOrder& names) {
  UnreadableReport report;
  report.lines = unreadable.Paths();
  // Stable, so that paths the order holds equal keep the order they were met in.
  std::stable_sort(report.lines.begin(), report.lines.end(),
                   [&names](const Str& a, const Str& b) { return names.Compare(a, b) < 0; });
  const std::uint64_t more = unreadable.Total() - unreadable.Paths().size();
  if (more != 0) report.lines.push_back(u"and " + DecimalText(static_cast<long long>(more)) + u" more");
  return report;
}

Str UnreadableReport::ClipboardText() const {
  Str text;
  for (const Str& line : lines) text += line + u"\r\n";
  return text;
}

}  // namespace tarnwick
