// Adds folder rows with sizes in random order through AddList to the real
// window, letting every yield run, as a search run does, and then clicks the
// "サイズ" header of the filled list. Prints, as key=value lines:
//   window_s   median seconds for ROWS rows (default 100,000)
//   small_s    median seconds for ROWS / 10 rows
//   growth     window_s / (10 * small_s); 1.0 is linear
//   click_s    median seconds from a header click that reverses the order to
//              the repainted list, on the filled window
//   row_bytes  the peak working set with ROWS rows less that of the empty
//              window, per row
//
//   win32_rows_bench [RUNS [ROWS]]
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "Win32BenchWindow.h"

namespace tarnwick::bench {
namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
  return counters;
}

// Seconds to add `rows` folder rows to the emptied list and show them.
double FillOnce(BenchWindow& bench, int rows, std::mt19937_64& random) {
  Form1& form = bench.form();
  HWND list = bench.window().ControlWindow(DesignedControl::ListView1);
  form.ListView1().Clear();
  bench.window().PumpMessages();
  bench.view().pumpSeconds = 0;
  int behind = 0;
  const double start = NowSeconds();
  for (int i = 0; i < rows; ++i) {
    const double size = static_cast<double>(random() % (std::uint64_t{1} << 40));
    const FolderTotals totals{size, static_cast<double>(random() % 100000), static_cast<double>(random() % 1000)};
    form.AddList(RowFacts{u"C:\\root\\folder" + DecimalText(i) + u"\\", totals, kFolderRow});
    bench.view().PumpMessages();  // the run's pass after each folder row
    if (ListView_GetItemCount(list) != i + 1) ++behind;
  }
  // A search ends with a repaint of the list, which shows every row.
  bench.window().Repaint(Control::ListView1);
  const double seconds = NowSeconds() - start;
  if (ListView_GetItemCount(list) != rows) std::printf("the list view lost rows\n");
  std::printf("rows=%d: %.3f s, %.3f s in pumps, list view behind after %d of %d pumps\n", rows, seconds,
              bench.view().pumpSeconds, behind, rows);
  return seconds;
}

// One click on the middle of a header through the mouse messages the header
// gets, then what the window does with it, up to the repainted list.
double ClickHeader(BenchWindow& bench, int column) {
  HWND list = bench.window().ControlWindow(DesignedControl::ListView1);
  HWND header = ListView_GetHeader(list);
  RECT rect{};
  Header_GetItemRect(header, column, &rect);
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  const double start = NowSeconds();
  ::SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
  ::SendMessageW(header, WM_LBUTTONUP, 0, point);
  bench.window().PumpMessages();
  bench.window().Repaint(Control::ListView1);
  return NowSeconds() - start;
}

}  // namespace
}  // namespace tarnwick::bench

int wmain(int argc, wchar_t** argv) {
  using namespace tarnwick;
  using namespace tarnwick::bench;
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 3;
  const int rows = argc > 2 ? std::max(10, _wtoi(argv[2])) : 100000;
  BenchWindow bench;
  const SIZE_T emptyBytes = Memory().WorkingSetSize;
  std::mt19937_64 random(7);

  // Small and large runs take turns, so that a machine busier for a while
  // slows both rather than tilting growth.
  std::vector<double> small;
  std::vector<double> large;
  for (int run = 0; run < runs; ++run) {
    small.push_back(FillOnce(bench, rows / 10, random));
    large.push_back(FillOnce(bench, rows, random));
  }
  const double rowBytes = (static_cast<double>(Memory().PeakWorkingSetSize) - static_cast<double>(emptyBytes)) / rows;

  // "サイズ" is the third header; every click on it reverses the order.
  ListModel& model = bench.form().ListView1();
  std::vector<double> clicks;
  bool reversed = true;
  for (int click = 0; click < 2 * runs + 1; ++click) {
    const Str firstBefore = model.SubItem(1, kSubFullPath);
    clicks.push_back(ClickHeader(bench, 2));
    reversed = reversed && model.SubItem(model.Count(), kSubFullPath) == firstBefore;
  }

  const double windowSeconds = Median(large);
  const double smallSeconds = Median(small);
  std::printf("small_s=%.4f\n", smallSeconds);
  std::printf("window_s=%.4f\n", windowSeconds);
  std::printf("growth=%.2f\n", windowSeconds / (10 * smallSeconds));
  if (reversed) {
    std::printf("click_s=%.4f\n", Median(clicks));
  } else {
    std::printf("a header click did not reverse the rows\nclick_s=NA\n");
  }
  std::printf("row_bytes=%.0f\n", rowBytes);
  return 0;
}
