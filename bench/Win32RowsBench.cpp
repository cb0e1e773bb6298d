// Adds 10,000 folder rows with sizes in random order through AddList to the
// real window, letting every yield run, as a search run does; prints the
// median of RUNS runs as "window_s=<seconds>".
//
//   win32_rows_bench [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "Win32BenchWindow.h"

int wmain(int argc, wchar_t** argv) {
  using namespace tarnwick;
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
  bench::BenchWindow bench;
  Form1& form = bench.form();
  std::mt19937_64 random(7);
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    form.ListView1().Clear();
    bench.window().PumpMessages();
    const double start = bench::NowSeconds();
    for (int i = 0; i < 10000; ++i) {
      const double size = static_cast<double>(random() % (std::uint64_t{1} << 40));
      form.AddList(u"C:\\root\\folder" + DecimalText(i) + u"\\", size, 10, 1, 1);
    }
    times.push_back(bench::NowSeconds() - start);
    std::printf("run %d: %.3f s\n", run + 1, times.back());
  }
  std::sort(times.begin(), times.end());
  std::printf("window_s=%.4f\n", times[times.size() / 2]);
  return 0;
}
