#include <gtest/gtest.h>

#include <vector>

#include "list/ListRefresh.h"

namespace tarnwick {
namespace {

TEST(ListRefreshTiming, CatchesUpAtOnceAfterQuietAndAtMostOncePerInterval) {
  ListRefresh refresh(100);
  EXPECT_FALSE(refresh.Pending());
  EXPECT_EQ(refresh.DelayAt(5000), 0u);  // never caught up: at once
  refresh.CountStale();
  EXPECT_TRUE(refresh.Pending());
  refresh.CatchUp(5000, 1, 20);
  EXPECT_FALSE(refresh.Pending());

  struct Case {
    std::uint64_t now;
    std::uint64_t delay;
  };
  for (const Case c : std::vector<Case>{{5000, 100}, {5001, 99}, {5060, 40}, {5099, 1}, {5100, 0}, {9000, 0}}) {
    EXPECT_EQ(refresh.DelayAt(c.now), c.delay) << c.now;
  }
  // A clock that went back does not hold the view up.
  EXPECT_EQ(refresh.DelayAt(4000), 0u);

  // The interval counts from the last catch-up, not from the first change.
  refresh.RowsStale(3, 3);
  refresh.CatchUp(5150, 1, 20);
  EXPECT_EQ(refresh.DelayAt(5200), 50u);
}

TEST(ListRefreshTiming, ASlowCatchUpStretchesTheNextInterval) {
  ListRefresh refresh(100);
  refresh.CountStale();
  refresh.CatchUp(5000, 1, 20);
  refresh.CatchUpTook(40);  // ten times as long: 400 ms
  EXPECT_EQ(refresh.DelayAt(5100), 300u);
  EXPECT_EQ(refresh.DelayAt(5400), 0u);
  // A quick one brings the interval back, never below its own.
  refresh.CatchUp(5400, 1, 20);
  refresh.CatchUpTook(2);
  EXPECT_EQ(refresh.DelayAt(5450), 50u);
}

TEST(ListRefreshRows, RepaintsOnlyStaleRowsInView) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> stale;  // RowsStale calls
    bool all;
    int firstVisible, lastVisible;
    int first, last;  // expected; last < first: no repaint
  };
  const std::vector<Case> cases{
      {"nothing stale", {}, false, 1, 25, 1, 0},
      {"one row in view", {{7, 7}}, false, 1, 25, 7, 7},
      {"a row placed below the view", {{10000, 5000}}, false, 1, 25, 1, 0},
      {"a row placed into the view from below", {{10000, 12}}, false, 1, 25, 12, 25},
      {"spans join", {{3, 4}, {9, 9}}, false, 1, 25, 3, 9},
      {"scrolled down", {{2, 40}}, false, 30, 55, 30, 40},
      {"above the view", {{2, 29}}, false, 30, 55, 1, 0},
      {"everything", {}, true, 30, 55, 30, 55},
      {"positions before the first are cut", {{-4, 0}, {0, 2}}, false, 1, 25, 1, 2},
      {"an empty view", {{1, 5}}, false, 1, 0, 1, 0},
  };
  for (const Case& c : cases) {
    ListRefresh refresh;
    for (const auto& [a, b] : c.stale) refresh.RowsStale(a, b);
    if (c.all) refresh.AllRowsStale();
    const ListRefresh::Work work = refresh.CatchUp(0, c.firstVisible, c.lastVisible);
    if (c.last < c.first) {
      EXPECT_FALSE(work.Repaint()) << c.what << ": " << work.first << ".." << work.last;
    } else {
      EXPECT_TRUE(work.Repaint()) << c.what;
      EXPECT_EQ(work.first, c.first) << c.what;
      EXPECT_EQ(work.last, c.last) << c.what;
    }
    EXPECT_FALSE(work.count) << c.what;
    EXPECT_FALSE(refresh.Pending()) << c.what;
  }
}

TEST(ListRefreshRows, CatchUpTakesEverythingAndResetForgetsIt) {
  ListRefresh refresh;
  refresh.CountStale();
  refresh.SelectionStale();
  refresh.RowsStale(4, 6);
  ListRefresh::Work work = refresh.CatchUp(0, 1, 25);
  EXPECT_TRUE(work.count);
  EXPECT_TRUE(work.selection);
  EXPECT_EQ(work.first, 4);
  EXPECT_EQ(work.last, 6);
  work = refresh.CatchUp(200, 1, 25);
  EXPECT_FALSE(work.count || work.selection || work.Repaint());

  refresh.CountStale();
  refresh.SelectionStale();
  refresh.AllRowsStale();
  refresh.Reset();
  EXPECT_FALSE(refresh.Pending());
  // A reset is no catch-up: the interval still runs from the last one.
  EXPECT_EQ(refresh.DelayAt(250), 50u);
}

}  // namespace
}  // namespace tarnwick
