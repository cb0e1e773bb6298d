// Times adding folder rows to the result list the way a search run does: one
// AddList per subfolder, sizes arriving in random order, each row re-keyed,
// sorted and followed by one (here empty) message pump. Prints the median of
// RUNS runs for ROWS / 10 and for ROWS rows (default 100,000).
//
//   rows_bench [RUNS [ROWS]]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakeFormView.h"

namespace tarnwick {
namespace {

// No disk: rows are added directly.
class NoFileSystem : public FileSystem {
 public:
  bool ListFolder(const Str&, std::vector<DirEntry>&) override { return false; }
  std::optional<std::uint32_t> Attributes(const Str&) override { return std::nullopt; }
  bool IsLink(const Str&) override { return false; }
  bool ProbePattern(const Str&) override { return false; }
};

struct Folder {
  Str path;
  double size;
  double files;
  double folders;
};

std::vector<Folder> MakeFolders(int count, std::mt19937_64& random) {
  std::vector<Folder> folders;
  folders.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    Str path = u"C:\\root\\folder" + DecimalText(i) + u"\\";
    folders.push_back({std::move(path), static_cast<double>(random() % (std::uint64_t{1} << 40)),
                       static_cast<double>(random() % 100000), static_cast<double>(random() % 1000)});
  }
  return folders;
}

// Seconds of the last header click: the model's part of click_s.
double lastClickSeconds = 0;

// Seconds to add every folder as a row; exits if the rows end up out of order.
double TimeOneRun(const std::vector<Folder>& folders) {
  testing::FakeFormView view;
  NoFileSystem fs;
  Form1 form(view, fs);
  const auto start = std::chrono::steady_clock::now();
  form.ListView1().Clear();
  for (const Folder& f : folders) {
    form.AddList(RowFacts{f.path, {f.size, f.files, f.folders}, 1});
    view.PumpMessages();  // the run's pass after each folder row
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

  const ListModel& list = form.ListView1();
  for (int i = 2; i <= list.Count(); ++i) {
    if (list.SubItem(i, kSubCompositeKey) < list.SubItem(i - 1, kSubCompositeKey)) {
      std::fprintf(stderr, "rows out of order at %d\n", i);
      std::exit(1);
    }
  }
  if (list.Count() != static_cast<int>(folders.size()) || view.pumps != list.Count()) {
    std::fprintf(stderr, "rows or pumps missing\n");
    std::exit(1);
  }
  // "サイズ" again: the same rows the other way round.
  const Str first = list.SubItem(1, kSubFullPath);
  const auto click = std::chrono::steady_clock::now();
  form.ListView1_ColumnClick(kDesignSortHeader);
  lastClickSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - click).count();
  if (list.SubItem(list.Count(), kSubFullPath) != first) {
    std::fprintf(stderr, "a click did not reverse the rows\n");
    std::exit(1);
  }
  return elapsed.count();
}

double MedianSeconds(int rows, int runs, std::mt19937_64& random) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) times.push_back(TimeOneRun(MakeFolders(rows, random)));
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const int rows = argc > 2 ? std::max(10, std::atoi(argv[2])) : 100000;
  std::mt19937_64 random(7);
  const double small = tarnwick::MedianSeconds(rows / 10, runs, random);
  const double large = tarnwick::MedianSeconds(rows, runs, random);
  std::printf("rows=%d runs=%d median_s=%.4f\n", rows / 10, runs, small);
  std::printf("rows=%d runs=%d median_s=%.4f\n", rows, runs, large);
  // Ten times the rows: about 10 for linear work per row, 100 for work that
  // grows with the square.
  std::printf("growth_10x=%.1f\n", small > 0 ? large / small : 0.0);
  std::printf("model_click_s=%.4f\n", tarnwick::lastClickSeconds);
  std::printf("model_s=%.4f\n", large);
  return 0;
}
