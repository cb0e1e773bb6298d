#include "nav/GoUp.h"

#include "scan/UserProc.h"

namespace tarnwick {

std::optional<Str> ParentRootText(StrView text) {
  StrView t = text;
  if (!t.empty() && t.back() == u'\\') t.remove_suffix(1);
  if (t.size() <= 2) return std::nullopt;
  return UpToLastBackslash(t);
}

}  // namespace tarnwick
