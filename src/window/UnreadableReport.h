#pragma once
// The list behind the second status panel: every path a run could not read
// that it kept, in the order the user knows names in, and a last line saying
// how many more it only counted.
#include <vector>

#include "base/Text.h"
#include "list/TextOrder.h"
#include "scan/UnreadableList.h"

namespace tarnwick {

struct UnreadableReport {
  std::vector<Str> lines;
  // The lines as the Copy button and Ctrl+C put them on the clipboard: one
  // a line, each ended by CR LF so that any Windows program splits them.
  Str ClipboardText() const;
  bool operator==(const UnreadableReport&) const = default;
};

UnreadableReport MakeUnreadableReport(const UnreadableList& unreadable, const TextOrder& names);

}  // namespace tarnwick
