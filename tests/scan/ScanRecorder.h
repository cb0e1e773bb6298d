#pragma once
// Records the scanner's events in order, and can answer Cancel at a chosen one.
#include <string>
#include <vector>

#include "scan/GFC.h"

namespace tarnwick::testing {

struct ScanRecorder : GFCEvents {
  struct Progress {
    std::string path;
    double files;
    double bytes;
  };
  std::vector<Progress> progress;
  std::vector<std::string> dirs;
  std::vector<std::string> unreadable;  // "folder C:\\A\\" or "file C:\\A\\f"
  int cancelAtEvent = -1;  // 0-based index of the event answered with Cancel

  void ProgFileSize(const Str& SearchString, double FileCount, double FileSize, bool& Cancel) override {
    if (static_cast<int>(progress.size()) >= cancelAtEvent && cancelAtEvent >= 0) Cancel = true;
    progress.push_back({ToUtf8(SearchString), FileCount, FileSize});
  }
  void ProgDirs(const Str& Path) override { dirs.push_back(ToUtf8(Path)); }
  void ProgUnreadable(const Str& Path, Unreadable What) override {
    unreadable.push_back((What == Unreadable::Folder ? "folder " : "file ") + ToUtf8(Path));
  }
  int stillListing = 0;
  void StillListing() override { ++stillListing; }

  std::vector<std::string> ProgressPaths() const {
    std::vector<std::string> paths;
    for (const auto& p : progress) paths.push_back(p.path);
    return paths;
  }
};

inline std::vector<std::string> Utf8(const EntryArray& entries) {
  std::vector<std::string> out;
  for (const ListedEntry& e : entries) out.push_back(ToUtf8(e.path));
  return out;
}

}  // namespace tarnwick::testing
