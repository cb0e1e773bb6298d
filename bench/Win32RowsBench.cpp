// Adds 10,000 folder rows (or ROWS) with sizes in random order through
// AddList to the real window, letting every yield run, as a search run does;
// prints the median of RUNS runs as "window_s=<seconds>". Each run also shows
// how much of its time went into the pumps (painting, and what the list
// view was told there) and how many of them left the list view behind.
//
//   win32_rows_bench [RUNS [ROWS]]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "Win32BenchWindow.h"

int wmain(int argc, wchar_t** argv) {
  using namespace tarnwick;
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
  const int rows = argc > 2 ? std::max(1, _wtoi(argv[2])) : 10000;
  bench::BenchWindow bench;
  Form1& form = bench.form();
  HWND list = bench.window().ControlWindow(DesignedControl::ListView1);
  std::mt19937_64 random(7);
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    form.ListView1().Clear();
    bench.window().PumpMessages();
    bench.view().pumpSeconds = 0;
    int behind = 0;
    const double start = bench::NowSeconds();
    for (int i = 0; i < rows; ++i) {
      const double size = static_cast<double>(random() % (std::uint64_t{1} << 40));
      form.AddList(u"C:\\root\\folder" + DecimalText(i) + u"\\", size, 10, 1, 1);
      if (ListView_GetItemCount(list) != i + 1) ++behind;
    }
    // A search ends with a repaint of the list, which shows every row.
    bench.window().Repaint(Control::ListView1);
    if (ListView_GetItemCount(list) != rows) std::printf("the list view lost rows\n");
    times.push_back(bench::NowSeconds() - start);
    std::printf("run %d: %.3f s, %.3f s in pumps, list view behind after %d of %d pumps\n", run + 1, times.back(),
                bench.view().pumpSeconds, behind, rows);
  }
  std::sort(times.begin(), times.end());
  std::printf("window_s=%.4f\n", times[times.size() / 2]);
  return 0;
}
