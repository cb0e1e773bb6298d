// Times whole searches in the real window, from the press of "Search" to the
// completion text, next to what the design makes unavoidable: the bare
// enumeration of the same tree, and per folder one pause and one status text
// with one pass of the message pump. Also the longest time the window went
// without a pump (how long a click can wait).
//
//   search_bench ROOT RUNS
//
// ROOT is a folder path ending in "\". Last line:
//   folders=N search_s=S bare_s=S pause_ms=P status_ms=Q max_gap_ms=G
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Win32BareCount.h"
#include "Win32BenchWindow.h"
#include "app/StatusText.h"
#include "base/Win32Text.h"

namespace {

using namespace tarnwick;
using tarnwick::bench::NowSeconds;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double PauseMilliseconds(FormView& window) {
  std::vector<double> times;
  for (int i = 0; i < 300; ++i) {
    const double start = NowSeconds();
    window.PauseOneMillisecond();
    times.push_back((NowSeconds() - start) * 1000);
  }
  return Median(times);
}

double StatusMilliseconds(FormView& window) {
  std::vector<double> times;
  for (int i = 0; i < 300; ++i) {
    const Str text = FolderProgressText(i * 4096.0, u"Z:\\some\\folder\\name\\");
    const double start = NowSeconds();
    window.SetStatusText(text);
    window.PumpMessages();
    times.push_back((NowSeconds() - start) * 1000);
  }
  return Median(times);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: search_bench ROOT [RUNS]\n");
    return 2;
  }
  const std::wstring root = argv[1];
  const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 3;
  bench::BenchWindow bench;

  // Each round measures everything once, so that the machine's load at a
  // given moment weighs on the search and on its floor alike.
  std::vector<double> pauseTimes, statusTimes, bareTimes, searchTimes;
  bench::BareTotals bare;
  double maxGapMs = 0;
  {
    bench::BareTotals warm;
    std::wstring folder = ToSystemPath(FromWide(root));
    bench::BareCount(folder, warm);  // fills the file system's caches
  }
  for (int run = 0; run < runs; ++run) {
    pauseTimes.push_back(PauseMilliseconds(bench.window()));
    statusTimes.push_back(StatusMilliseconds(bench.window()));

    bench::BareTotals totals;
    std::wstring folder = ToSystemPath(FromWide(root));
    double start = NowSeconds();
    bench::BareCount(folder, totals);
    bareTimes.push_back(NowSeconds() - start);
    bare = totals;

    bench.view().SetText1(FromWide(root));
    bench.view().pumpTimes.clear();
    start = NowSeconds();
    bench.form().Command1_Click();
    const double end = NowSeconds();
    searchTimes.push_back(end - start);
    const Str status = bench.view().StatusText();
    if (status.rfind(kCompletionPrefix, 0) != 0) {
      std::fprintf(stderr, "the search did not complete: %s\n", ToUtf8(status).c_str());
      return 1;
    }
    std::vector<double>& pumps = bench.view().pumpTimes;
    pumps.insert(pumps.begin(), start);
    pumps.push_back(end);
    for (size_t i = 1; i < pumps.size(); ++i) maxGapMs = std::max(maxGapMs, (pumps[i] - pumps[i - 1]) * 1000);
    std::printf("round %d: search %.3f s (%zu pumps), bare %.3f s, pause %.3f ms, status %.3f ms; %s\n", run + 1,
                searchTimes.back(), pumps.size() - 2, bareTimes.back(), pauseTimes.back(), statusTimes.back(),
                ToUtf8(status).c_str());
  }

  std::printf("folders=%llu search_s=%.4f bare_s=%.4f pause_ms=%.4f status_ms=%.4f max_gap_ms=%.2f\n",
              static_cast<unsigned long long>(bare.dirs), Median(searchTimes), Median(bareTimes), Median(pauseTimes),
              Median(statusTimes), maxGapMs);
  return 0;
}
