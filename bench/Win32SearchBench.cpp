// Times whole searches in the real window, from the press of "Search" to the
// completion text, next to what the design makes unavoidable: the bare
// enumeration of the same tree, and per folder one pause and one status text
// as the run writes it (a folder's path, a byte total) with one pass of the
// message pump. The run pays every pause and every status text, so the floor
// counts their mean cost, not their median: both are skewed by the odd slow
// one (a timer that fires late, a repaint that waits for the X server).
// Also the longest time the window went without a pump (how long a click can
// wait; the median over the rounds of each round's longest, since one
// hiccup of a shared machine would otherwise decide it), and where the
// search's own time went per folder.
//
// Then the same for a root that holds only files: the search against the
// bare listing of that folder plus one length query per file.
//
//   search_bench ROOT RUNS [FILES_ROOT]
//
// ROOT and FILES_ROOT are folder paths ending in "\". Last line:
//   folders=N search_s=S bare_s=S pause_ms=P status_ms=Q max_gap_ms=G
//   [rootfiles=N rootfiles_s=S rootfiles_floor_s=S rootfiles_gap_ms=G]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Win32BareCount.h"
#include "Win32BenchWindow.h"
#include "window/PublicTexts.h"
#include "app/StatusText.h"
#include "base/Win32Handles.h"
#include "base/Win32Text.h"

namespace {

using namespace tarnwick;
using tarnwick::bench::NowSeconds;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Mean(const std::vector<double>& values) {
  double sum = 0;
  for (double v : values) sum += v;
  return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

double PauseMilliseconds(FormView& window) {
  std::vector<double> times;
  for (int i = 0; i < 300; ++i) {
    const double start = NowSeconds();
    window.PauseOneMillisecond();
    times.push_back((NowSeconds() - start) * 1000);
  }
  std::printf("pause: median %.3f ms, mean %.3f ms\n", Median(times), Mean(times));
  return Mean(times);
}

// The folders below `folder` (the program's form, ending in "\\"), each
// ending in "\\", as the search reports them.
void CollectFolders(const Str& folder, std::vector<Str>& out) {
  WIN32_FIND_DATAW data;
  const UniqueFindHandle find(::FindFirstFileExW((ToSystemPath(folder) + L"*").c_str(), FindExInfoBasic, &data,
                                                 FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return;
  do {
    const wchar_t* name = data.cFileName;
    const bool dots = name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || dots) continue;
    const Str child = folder + FromWide(name) + u'\\';
    out.push_back(child);
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) CollectFolders(child, out);
  } while (::FindNextFileW(find.get(), &data));
}

// One progress text as the run writes it, for folders of the tree itself
// (their paths, with their lengths and scripts, are what the status bar
// draws), with one pass of the pump, each followed by the pause as in the
// run.
double StatusMilliseconds(FormView& window, const std::vector<Str>& folders) {
  std::vector<double> times;
  const size_t step = std::max<size_t>(1, folders.size() / 300);
  for (size_t i = 0; i < folders.size(); i += step) {
    const Str text = FolderProgressText(static_cast<double>(1048576 + i * 4099), folders[i]);
    const double start = NowSeconds();
    window.SetStatusText(text);
    window.PumpMessages();
    times.push_back((NowSeconds() - start) * 1000);
    window.PauseOneMillisecond();
  }
  std::printf("status: median %.3f ms, mean %.3f ms\n", Median(times), Mean(times));
  return Mean(times);
}

// The least a search of a root of files can do: list the folder, keeping
// the names, then query each file's length once.
double RootFilesFloorSeconds(const Str& root, size_t& files) {
  const std::wstring folder = ToSystemPath(root);
  const double start = NowSeconds();
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  {
    const UniqueFindHandle find(::FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &data,
                                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (find) {
      do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(data.cFileName);
      } while (::FindNextFileW(find.get(), &data));
    }
  }
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  std::wstring path = folder;
  for (const std::wstring& name : names) {
    path.resize(folder.size());
    path += name;
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) return -1;
  }
  files = names.size();
  return NowSeconds() - start;
}

// Presses "Search" on `root`; the seconds to the completion text and the
// longest stretch without a pump, or a negative time when it did not
// complete.
double TimedSearch(bench::BenchWindow& bench, const Str& root, std::vector<double>& gapsMs, size_t& pumpCount) {
  bench.view().SetText1(root);
  bench.view().pumpTimes.clear();
  bench.view().pumpDurations.clear();
  bench.view().pumpSeconds = bench.view().statusSeconds = bench.view().pauseSeconds = 0;
  const double start = NowSeconds();
  bench.form().Command1_Click();
  const double end = NowSeconds();
  const Str status = bench.view().StatusText();
  if (status.rfind(kCompletionPrefix, 0) != 0) {
    std::fprintf(stderr, "the search did not complete: %s\n", ToUtf8(status).c_str());
    return -1;
  }
  std::vector<double>& pumps = bench.view().pumpTimes;
  pumpCount = pumps.size();
  pumps.insert(pumps.begin(), start);
  pumps.push_back(end);
  size_t longest = 1;
  for (size_t i = 1; i < pumps.size(); ++i) {
    if (pumps[i] - pumps[i - 1] > pumps[longest] - pumps[longest - 1]) longest = i;
  }
  gapsMs.push_back((pumps[longest] - pumps[longest - 1]) * 1000);
  std::printf("  longest gap %.1f ms, ending %.1f ms before the search's end\n", gapsMs.back(),
              (end - pumps[longest]) * 1000);
  // The passes that found the queue empty against those that ran something
  // (a frame of the status text, a catch-up of the list, a repaint).
  std::vector<double> quick, busy;
  for (double seconds : bench.view().pumpDurations) (seconds < 0.0005 ? quick : busy).push_back(seconds * 1000);
  double quickSum = 0, busySum = 0;
  for (double ms : quick) quickSum += ms;
  for (double ms : busy) busySum += ms;
  if (!quick.empty() && !busy.empty()) {
    std::printf("  pumps under 0.5 ms: %zu, median %.3f ms, %.0f ms in all; longer: %zu, median %.2f ms, %.0f ms in all\n",
                quick.size(), Median(quick), quickSum, busy.size(), Median(busy), busySum);
  }
  return end - start;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: search_bench ROOT [RUNS [FILES_ROOT]]\n");
    return 2;
  }
  const Str root = FromWide(argv[1]);
  const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 3;
  const Str filesRoot = argc > 3 ? FromWide(argv[3]) : Str();
  bench::BenchWindow bench;

  // Each round measures everything once, so that the machine's load at a
  // given moment weighs on the search and on its floor alike.
  std::vector<double> pauseTimes, statusTimes, bareTimes, searchTimes, filesTimes, filesFloorTimes;
  bench::BareTotals bare;
  std::vector<double> gapsMs, filesGapsMs;
  size_t rootFiles = 0;
  std::vector<Str> folders;
  {
    bench::BareTotals warm;
    std::wstring folder = ToSystemPath(root);
    bench::BareCount(folder, warm);  // fills the file system's caches
    CollectFolders(root, folders);
    if (!filesRoot.empty()) RootFilesFloorSeconds(filesRoot, rootFiles);
  }
  for (int run = 0; run < runs; ++run) {
    pauseTimes.push_back(PauseMilliseconds(bench.window()));
    statusTimes.push_back(StatusMilliseconds(bench.window(), folders));

    bench::BareTotals totals;
    std::wstring folder = ToSystemPath(root);
    const double start = NowSeconds();
    bench::BareCount(folder, totals);
    bareTimes.push_back(NowSeconds() - start);
    bare = totals;

    size_t pumps = 0;
    searchTimes.push_back(TimedSearch(bench, root, gapsMs, pumps));
    if (searchTimes.back() < 0) return 1;
    // Where the search's time went, per folder, next to the floor's parts.
    const double perFolder = 1000.0 / static_cast<double>(std::max<std::uint64_t>(1, bare.dirs));
    const bench::PumpTimingView& seen = bench.view();
    std::printf("round %d: search %.3f s (%zu pumps), bare %.3f s, pause %.3f ms, status %.3f ms;"
                " in the search per folder: status %.3f ms, pump %.3f ms, pause %.3f ms, the rest %.3f ms\n",
                run + 1, searchTimes.back(), pumps, bareTimes.back(), pauseTimes.back(), statusTimes.back(),
                seen.statusSeconds * perFolder, seen.pumpSeconds * perFolder, seen.pauseSeconds * perFolder,
                (searchTimes.back() - seen.statusSeconds - seen.pumpSeconds - seen.pauseSeconds) * perFolder);

    if (filesRoot.empty()) continue;
    filesFloorTimes.push_back(RootFilesFloorSeconds(filesRoot, rootFiles));
    if (filesFloorTimes.back() < 0) return 1;
    filesTimes.push_back(TimedSearch(bench, filesRoot, filesGapsMs, pumps));
    if (filesTimes.back() < 0) return 1;
    std::printf("round %d: root of %zu files %.3f s (%zu pumps), floor %.3f s\n", run + 1, rootFiles,
                filesTimes.back(), pumps, filesFloorTimes.back());
    std::fflush(stdout);
  }

  std::printf("folders=%llu search_s=%.4f bare_s=%.4f pause_ms=%.4f status_ms=%.4f max_gap_ms=%.2f",
              static_cast<unsigned long long>(bare.dirs), Median(searchTimes), Median(bareTimes),
              Median(pauseTimes), Median(statusTimes), Median(gapsMs));
  if (!filesRoot.empty()) {
    std::printf(" rootfiles=%zu rootfiles_s=%.4f rootfiles_floor_s=%.4f rootfiles_gap_ms=%.2f", rootFiles,
                Median(filesTimes), Median(filesFloorTimes), Median(filesGapsMs));
  }
  std::printf("\n");
  return 0;
}
