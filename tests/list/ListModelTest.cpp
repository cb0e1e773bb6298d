#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

#include "list/ListModel.h"
#include "list/RowSorter.h"

namespace tarnwick {
namespace {

int Sign(int c) { return (c > 0) - (c < 0); }

// A row named by its path, which holds no backslash: its text and its name.
int Add(ListModel& list, const Str& name, double size, std::int32_t kind = kFolderRow) {
  return list.AppendRow(RowFacts{name, {size, 0, 0}, kind});
}

// As a search adds a folder row: keyed and put in its place.
void AddSorted(ListModel& list, RowSorter& sorter, const Str& name, double size) {
  sorter.SetSorted(false);
  Add(list, name, size);
  sorter.BuildSortKeys();
  sorter.SetSorted(true);
}

Str Names(const ListModel& list) {
  Str out;
  for (int i = 1; i <= list.Count(); ++i) out += list.Row(i).text;
  return out;
}

TEST(ListModelPositions, RowsAndSelectionByPosition) {
  ListModel list;
  RowSorter sorter(list);
  EXPECT_EQ(list.Selected(), 0);
  Add(list, u"a", 3);
  Add(list, u"b", 1);
  Add(list, u"c", 2);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Row(2).text, u"b");
  EXPECT_EQ(list.Row(2).icon, kFolderRow);
  EXPECT_EQ(list.SubItem(3, kSubSize), u"2");

  list.Select(1);  // a
  sorter.BuildSortKeys();
  sorter.SetSorted(true);
  EXPECT_EQ(Names(list), u"bca");
  EXPECT_EQ(list.Selected(), 3);
  AddSorted(list, sorter, u"d", 0);
  EXPECT_EQ(list.Selected(), 4);
  EXPECT_EQ(list.Row(list.Selected()).text, u"a");
  list.Select(0);
  EXPECT_EQ(list.Selected(), 0);
  list.Select(2);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Selected(), 0);

  Add(list, u"x", 1);
  for (int bad : {-1, 2}) {
    EXPECT_THROW(list.Row(bad), std::out_of_range);
    EXPECT_THROW(list.Select(bad), std::out_of_range);
    EXPECT_THROW(list.Render(bad, 1, false), std::out_of_range);
  }
  EXPECT_THROW(list.SubItem(1, 0), std::out_of_range);
  EXPECT_THROW(list.SubItem(1, kSubItemCount + 1), std::out_of_range);
}

// Keeps a copy of the rows' texts in display order from the events alone, as
// a view would.
class MirrorView : public ListObserver {
 public:
  explicit MirrorView(const ListModel& list) : list_(list) {}
  std::vector<Str> texts;
  int moves = 0;
  int refills = 0;

  void RowsCleared() override { texts.clear(); }
  void RowAppended(int position) override {
    texts.insert(texts.begin() + (position - 1), list_.Row(position).text);
  }
  void RowChanged(int position) override { texts[static_cast<size_t>(position - 1)] = list_.Row(position).text; }
  void RowsReordered() override {
    ++refills;
    texts.clear();
    for (int i = 1; i <= list_.Count(); ++i) texts.push_back(list_.Row(i).text);
  }
  void SelectionChanged(int) override {}
  void RowMoved(int from, int to) override {
    ++moves;
    const Str moved = texts[static_cast<size_t>(from - 1)];
    texts.erase(texts.begin() + (from - 1));
    texts.insert(texts.begin() + (to - 1), moved);
  }

 private:
  const ListModel& list_;
};

TEST(ListModelObserver, OneRowPlacedIsReportedAsAMove) {
  ListModel list;
  RowSorter sorter(list);
  MirrorView view(list);
  list.SetObserver(&view);
  for (const auto& [name, size] : {std::pair<Str, double>{u"a", 5}, {u"b", 1}, {u"c", 3}, {u"d", 9}, {u"e", 0}}) {
    AddSorted(list, sorter, name, size);
  }
  list.Render(2, 1, true);  // a render is no move
  EXPECT_EQ(Names(list), u"ebcad");
  EXPECT_EQ(view.moves, 3);  // b, c, e; a and d are already in place
  std::vector<Str> expected;
  for (int i = 1; i <= list.Count(); ++i) expected.push_back(list.Row(i).text);
  EXPECT_EQ(view.texts, expected);
}

TEST(ListModelObserver, RenderingEveryRowTellsTheViewOnceAndOnlyOfAChange) {
  ListModel list;
  RowSorter sorter(list);
  MirrorView view(list);
  list.SetObserver(&view);
  for (const auto& [name, size] : {std::pair<Str, double>{u"a", 5}, {u"b", 1}, {u"c", 3}}) {
    AddSorted(list, sorter, u"C:\\r\\" + name + u"\\", size);
  }
  list.RenderAll(1, false);
  const int refills = view.refills;
  list.RenderAll(1, false);  // as they are
  EXPECT_EQ(view.refills, refills);
  list.RenderAll(2, true);
  EXPECT_EQ(view.refills, refills + 1);
  std::vector<Str> expected;
  for (int i = 1; i <= list.Count(); ++i) expected.push_back(list.Row(i).text);
  EXPECT_EQ(view.texts, expected);
  EXPECT_EQ(expected[0], u"C:\\r\\b\\");  // full paths now
}

// The order key texts are to have, as text: an empty key first; the
// kind-and-direction digit; padded numbers of one length by their digits;
// names as the user knows them, names equal but for case by their codes.
int KeyTextOrder(const Str& a, const Str& b) {
  if (a.empty() || b.empty() || a[0] != b[0]) return Sign(a.compare(b));
  const auto digits = [](const Str& s) { return std::all_of(s.begin(), s.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; }); };
  if (a.size() == b.size() && digits(a) && digits(b)) return Sign(a.compare(b));
  const int c = Sign(NaturalOrder().Compare(StrView(a).substr(1), StrView(b).substr(1)));
  return c != 0 ? c : Sign(a.compare(b));
}

// The rows as shown: text and key, in display order.
std::vector<std::pair<Str, Str>> Shown(const ListModel& list) {
  std::vector<std::pair<Str, Str>> rows;
  for (int i = 1; i <= list.Count(); ++i) rows.emplace_back(list.Row(i).text, list.SubItem(i, kSubCompositeKey));
  return rows;
}

// Random appends, header clicks, key builds and sort changes, with names that
// are equal but for case and sizes that tie or pass 10^30: every sort must
// give the order of a stable sort of the display order by the key texts the
// rows show, however few rows it moves.
TEST(ListModelSorting, RowsSortAsTheirKeyTextsRead) {
  const Str names[] = {u"a", u"A", u"b10", u"b9", u"007", u"8"};
  const double sizes[] = {0, 7, 7, 1e12, 9007199254740993.0, 2e30};
  std::mt19937 random(20261207);
  for (int round = 0; round < 20; ++round) {
    ListModel list;
    RowSorter sorter(list);
    MirrorView view(list);
    list.SetObserver(&view);
    for (int step = 0; step < 300; ++step) {
      const unsigned op = random() % 100;
      auto expected = Shown(list);
      if (op < 45 || list.Count() == 0) {
        const Str path = u"C:\\r\\" + names[random() % 6] + u"\\";
        const FolderTotals totals{sizes[random() % 6], sizes[random() % 3], 0};
        const int at = list.AppendRow(RowFacts{path, totals, static_cast<std::int32_t>(1 + random() % 2)});
        list.Render(at, 1, false);
        expected.emplace_back(list.Row(at).text, Str());
      } else if (op < 60) {
        sorter.ChooseSortHeader(static_cast<int>(random() % 7));
      } else if (op < 75) {
        sorter.BuildSortKeys();
        expected = Shown(list);  // new keys, the same order
      } else if (op < 99) {
        if (op < 85) {
          sorter.SetSortOrder(static_cast<int>(random() % 2));
        } else {
          sorter.SetSorted(random() % 4 != 0);
        }
        if (sorter.Sorted()) {
          const int sign = sorter.SortOrder() == 1 ? -1 : 1;
          std::stable_sort(expected.begin(), expected.end(),
                           [&](const auto& a, const auto& b) { return sign * KeyTextOrder(a.second, b.second) < 0; });
        }
      } else {
        list.Clear();
        expected.clear();
      }
      ASSERT_EQ(Shown(list), expected) << "round " << round << " step " << step;
      std::vector<Str> texts;
      for (const auto& row : expected) texts.push_back(row.first);
      ASSERT_EQ(view.texts, texts) << "view out of step";
    }
  }
}

TEST(ListModelFind, TypingFindsTheNextRowWhoseNameBeginsWithIt) {
  ListModel list;
  for (const char16_t* name : {u"alpha", u"Beta", u"gamma", u"beta2", u"ＡＢＣ"}) Add(list, name, 0);
  const struct {
    const char16_t* prefix;
    int start;
    int found;
  } cases[] = {
      {u"b", 1, 2}, {u"B", 3, 4}, {u"be", 5, 2},  // wraps round to the top
      {u"g", 1, 3}, {u"gamma", 3, 3}, {u"z", 1, 0}, {u"ａｂ", 1, 5}, {u"", 4, 4}, {u"alphabet", 1, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(list.FindTextPrefix(c.prefix, c.start), c.found) << ToUtf8(c.prefix);
  EXPECT_EQ(ListModel().FindTextPrefix(u"a", 1), 0);
}

}  // namespace
}  // namespace tarnwick
