#include "scan/UnreadableList.h"

namespace tarnwick {

void UnreadableList::Clear() {
  folders_ = 0;
  files_ = 0;
  paths_.clear();
}

void UnreadableList::Add(const Str& path, Unreadable what) {
  if (what == Unreadable::Folder) {
    ++folders_;
  } else {
    ++files_;
  }
  // A root moved away mid-run makes every folder after it fail: the count
  // grows with them, what is kept does not.
  if (paths_.size() < kKeptPaths) paths_.push_back(path);
}

}  // namespace tarnwick
