// Times the scanner's count of a folder tree against the bare enumeration of
// the same tree, in one process so that Wine's start-up is not measured.
//
//   count_bench ROOT RUNS
//
// ROOT is a folder path ending in "\". After one warm-up, the two are run RUNS
// times each, alternately; the last line gives the medians, the totals and
// the memory the scanner took to remember the files it counted, per file.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "Win32BareCount.h"
#include "base/Win32Text.h"
#include "scan/GFC.h"
#include "scan/Win32FileSystem.h"

namespace {

using tarnwick::Str;
using tarnwick::bench::BareTotals;

// A listener like the program's, minus the screen: it sees every event.
struct EventCounter : tarnwick::GFCEvents {
  std::uint64_t events = 0;
  void ProgFileSize(const Str&, double, double, bool&) override { ++events; }
};

struct Totals {
  double files = 0, bytes = 0, dirs = 0;
  double idBytes = 0;  // what the scanner held to count each file's room once
};

// What the search run does: list the root's folders, count each one.
Totals ScannerCount(const Str& root, EventCounter& listener) {
  tarnwick::Win32FileSystem fs;
  tarnwick::GFC scanner(fs, &listener);
  tarnwick::EntryArray dirs;
  scanner.GFC_GetDirs(root, dirs, false);
  Totals all;
  for (size_t i = 1; i < dirs.size(); ++i) {
    tarnwick::FolderTotals counted;
    scanner.GFC_GetFileCoAndSize(dirs[i].path, counted);
    all.files += counted.files;
    all.bytes += counted.bytes;
    all.dirs += 1 + counted.folders;
  }
  all.idBytes = static_cast<double>(scanner.SeenFileBytes());
  return all;
}

// The benchmark's root holds folders only, so the bare count of the whole
// root is the sum over its subfolders; the totals are compared to make sure.
Totals BareCountOfRoot(const Str& root) {
  BareTotals totals;
  std::wstring path = tarnwick::ToSystemPath(root);
  tarnwick::bench::BareCount(path, totals);
  return Totals{static_cast<double>(totals.files), static_cast<double>(totals.bytes), static_cast<double>(totals.dirs)};
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class F>
double Time(F&& f) {
  LARGE_INTEGER start, end;
  ::QueryPerformanceCounter(&start);
  f();
  ::QueryPerformanceCounter(&end);
  return Seconds(start, end);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: count_bench ROOT RUNS\n");
    return 2;
  }
  const Str root = tarnwick::FromWide(argv[1]);
  const int runs = std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10)));

  EventCounter listener;
  Totals counted = ScannerCount(root, listener);
  const Totals bare = BareCountOfRoot(root);
  if (counted.files != bare.files || counted.bytes != bare.bytes || counted.dirs != bare.dirs) {
    std::fprintf(stderr, "totals differ: scanner %.0f files %.0f bytes %.0f folders, bare %.0f %.0f %.0f\n",
                 counted.files, counted.bytes, counted.dirs, bare.files, bare.bytes, bare.dirs);
    return 1;
  }

  std::vector<double> countTimes, bareTimes;
  for (int i = 0; i < runs; ++i) {
    countTimes.push_back(Time([&] { counted = ScannerCount(root, listener); }));
    bareTimes.push_back(Time([&] { BareCountOfRoot(root); }));
    std::fprintf(stderr, "run %d: count %.3f s, bare %.3f s\n", i + 1, countTimes.back(), bareTimes.back());
  }
  std::printf("files=%.0f bytes=%.0f dirs=%.0f count_s=%.4f bare_s=%.4f id_bytes_per_file=%.1f\n", counted.files,
              counted.bytes, counted.dirs, Median(countTimes), Median(bareTimes),
              counted.files > 0 ? counted.idBytes / counted.files : 0.0);
  return 0;
}
