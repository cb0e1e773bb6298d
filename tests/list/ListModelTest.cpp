#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

#include "list/ListModel.h"

namespace tarnwick {
namespace {

// Rows named by their text, keyed by sub-item 11.
void AddRow(ListModel& list, const Str& name, const Str& key) {
  const int at = list.Append(name, 1);
  list.SetSubItem(at, 11, key);
}

Str Names(const ListModel& list) {
  Str out;
  for (int i = 1; i <= list.Count(); ++i) out += list.Row(i).text;
  return out;
}

TEST(ListModelSorting, OnlySettingTheSortPropertiesReorders) {
  ListModel list;
  AddRow(list, u"a", u"3");
  AddRow(list, u"b", u"1");
  AddRow(list, u"c", u"2");
  EXPECT_EQ(Names(list), u"abc");  // appended while unsorted

  list.SetSorted(true);
  EXPECT_EQ(Names(list), u"bca");

  AddRow(list, u"d", u"0");      // appended while sorted: stays last
  list.SetSubItem(1, 11, u"9");  // b, re-keyed while sorted: stays first
  EXPECT_EQ(Names(list), u"bcad");

  list.SetSortOrder(1);
  EXPECT_EQ(Names(list), u"bacd");
  list.SetSorted(true);
  EXPECT_EQ(Names(list), u"bacd");
  list.SetSortOrder(0);
  EXPECT_EQ(Names(list), u"dcab");

  list.SetSorted(false);
  list.SetSortOrder(1);  // not sorted: no re-sort
  EXPECT_EQ(Names(list), u"dcab");
  list.SetSorted(true);
  EXPECT_EQ(Names(list), u"bacd");
}

TEST(ListModelSorting, SortKeyChoosesTheSubItemAndResortsWhileSorted) {
  ListModel list;
  for (const Str name : {u"a", u"b", u"c"}) {
    const int at = list.Append(name, 1);
    list.SetSubItem(at, 5, Str(1, static_cast<char16_t>(u'3' - at)));
    list.SetSubItem(at, 11, Str(1, static_cast<char16_t>(u'0' + at)));
  }
  list.SetSortKey(5);
  EXPECT_EQ(Names(list), u"abc");  // not sorted yet
  list.SetSorted(true);
  EXPECT_EQ(Names(list), u"cba");
  list.SetSortKey(11);
  EXPECT_EQ(Names(list), u"abc");
  list.SetSortKey(0);  // the row's own text
  list.SetSortOrder(1);
  EXPECT_EQ(Names(list), u"cba");
  EXPECT_THROW(list.SetSortKey(12), std::out_of_range);
}

TEST(ListModelSorting, EqualKeysKeepTheirDisplayOrder) {
  ListModel list;
  AddRow(list, u"a", u"2");
  AddRow(list, u"b", u"1");
  AddRow(list, u"c", u"2");
  AddRow(list, u"d", u"1");
  list.SetSorted(true);
  EXPECT_EQ(Names(list), u"bdac");
  list.SetSortOrder(1);
  EXPECT_EQ(Names(list), u"acbd");
  AddRow(list, u"e", u"2");  // joins the end of its equals
  list.SetSorted(true);
  EXPECT_EQ(Names(list), u"acebd");
  list.SetSubItem(5, 11, u"2");  // d, re-keyed below its new equals
  list.SetSubItem(1, 11, u"1");  // a, re-keyed above its new equals
  list.SetSorted(true);
  EXPECT_EQ(Names(list), u"cedab");
}

TEST(ListModelPositions, RowsAndSelectionByPosition) {
  ListModel list;
  EXPECT_EQ(list.Selected(), 0);
  AddRow(list, u"a", u"3");
  AddRow(list, u"b", u"1");
  AddRow(list, u"c", u"2");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Row(2).text, u"b");
  EXPECT_EQ(list.Row(2).icon, 1);
  EXPECT_EQ(list.SubItem(3, 11), u"2");

  list.Select(1);  // a
  list.SetSorted(true);
  EXPECT_EQ(list.Selected(), 3);
  AddRow(list, u"d", u"0");
  list.SetSorted(true);
  EXPECT_EQ(list.Selected(), 4);
  EXPECT_EQ(list.Row(list.Selected()).text, u"a");
  list.Select(0);
  EXPECT_EQ(list.Selected(), 0);
  list.Select(2);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Selected(), 0);

  AddRow(list, u"x", u"1");
  for (int bad : {-1, 2}) {
    EXPECT_THROW(list.Row(bad), std::out_of_range);
    EXPECT_THROW(list.Select(bad), std::out_of_range);
    EXPECT_THROW(list.SetText(bad, u"y"), std::out_of_range);
    EXPECT_THROW(list.RowData(bad), std::out_of_range);
  }
  EXPECT_THROW(list.SubItem(1, 0), std::out_of_range);
  EXPECT_THROW(list.SetSubItem(1, 12, u""), std::out_of_range);
}

TEST(ListModelRowData, CountsChangesAndKeepsOwnerDataQuiet) {
  ListModel list;
  AddRow(list, u"a", u"1");
  AddRow(list, u"b", u"2");
  EXPECT_EQ(list.SubItemChanges(1), 1u);
  list.SetSubItem(1, 11, u"1");  // same text: no change
  EXPECT_EQ(list.SubItemChanges(1), 1u);
  list.SetSubItem(1, 3, u"x");
  EXPECT_EQ(list.SubItemChanges(1), 2u);
  list.SetText(1, u"renamed");
  EXPECT_EQ(list.SubItemChanges(1), 2u);

  list.SetRowData(2, 42);
  list.SetSortOrder(1);
  list.SetSorted(true);  // b is now first and keeps its data
  EXPECT_EQ(list.RowData(1), 42u);
  EXPECT_EQ(list.RowData(2), 0u);
}

// Keeps a copy of the rows' texts in display order from the events alone, as
// a view would.
class MirrorView : public ListObserver {
 public:
  explicit MirrorView(const ListModel& list) : list_(list) {}
  std::vector<Str> texts;
  int moves = 0;
  int reorders = 0;

  void RowsCleared() override { texts.clear(); }
  void RowAppended(int position) override {
    texts.insert(texts.begin() + (position - 1), list_.Row(position).text);
  }
  void RowChanged(int position) override { texts[static_cast<size_t>(position - 1)] = list_.Row(position).text; }
  void RowsReordered() override {
    ++reorders;
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
  MirrorView view(list);
  list.SetObserver(&view);
  AddRow(list, u"a", u"5");
  AddRow(list, u"b", u"1");
  list.SetSorted(true);
  for (const auto& [name, key] : {std::pair<Str, Str>{u"c", u"3"}, {u"d", u"9"}, {u"e", u"0"}}) {
    list.SetSorted(false);
    AddRow(list, name, key);
    list.SetSorted(true);
  }
  list.SetSubItem(1, 11, u"7");  // e moves down from the top
  list.SetSorted(true);
  EXPECT_EQ(Names(list), u"bcaed");
  EXPECT_EQ(view.moves, 3);  // c, e, e again; d is already in place
  std::vector<Str> expected;
  for (int i = 1; i <= list.Count(); ++i) expected.push_back(list.Row(i).text);
  EXPECT_EQ(view.texts, expected);
}

// Records the cells reported changed, and lets RowChanged stand for the rest.
class CellLog : public ListObserver {
 public:
  std::vector<std::pair<int, int>> cells;  // position, k
  void RowsCleared() override {}
  void RowAppended(int) override {}
  void RowChanged(int) override { ADD_FAILURE() << "CellChanged is overridden"; }
  void RowsReordered() override {}
  void SelectionChanged(int) override {}
  void CellChanged(int position, int k) override { cells.emplace_back(position, k); }
};

TEST(ListModelObserver, ReportsWhichCellChangedAndOnlyRealChanges) {
  ListModel list;
  CellLog log;
  list.SetObserver(&log);
  list.Append(u"a", 1);
  list.Append(u"b", 1);
  list.SetSubItem(2, 3, u"7");
  list.SetSubItem(2, 3, u"7");  // the same text again
  list.SetText(1, u"a");        // unchanged
  list.SetText(1, u"renamed");
  list.SetSubItem(1, 11, u"key");
  const std::vector<std::pair<int, int>> expected{{2, 3}, {1, 0}, {1, 11}};
  EXPECT_EQ(log.cells, expected);

  // An observer that knows only whole rows still hears of every change.
  MirrorView mirror(list);
  list.SetObserver(&mirror);
  mirror.RowsReordered();
  list.SetText(2, u"changed");
  EXPECT_EQ(mirror.texts, (std::vector<Str>{u"renamed", u"changed"}));
}

// The straightforward list: every sort is a stable sort of the display order.
class ReferenceList {
 public:
  struct Row {
    int id;
    std::array<Str, 2> keys;  // sub-items 10 and 11
  };
  std::vector<Row> rows;
  int selectedId = -1;
  bool sorted = false;
  int sortKey = 11;
  int sortOrder = 0;

  void Sort() {
    const size_t k = static_cast<size_t>(sortKey - 10);
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
      return sortOrder == 1 ? b.keys[k] < a.keys[k] : a.keys[k] < b.keys[k];
    });
  }
  int Selected() const {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].id == selectedId) return static_cast<int>(i) + 1;
    }
    return 0;
  }
};

// Random appends, re-keys and sort changes over few distinct keys, so that
// many keys are equal: the fast placement must give exactly the order of a
// stable sort of the whole list.
TEST(ListModelSorting, MatchesAStableFullSortOnRandomOperations) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 40; ++round) {
    ListModel list;
    MirrorView view(list);
    list.SetObserver(&view);
    ReferenceList reference;
    int nextId = 0;
    const int distinctKeys = 2 + round % 6;
    auto randomKey = [&] { return Str(1, static_cast<char16_t>(u'0' + random() % distinctKeys)); };
    for (int step = 0; step < 400; ++step) {
      const int count = list.Count();
      const unsigned op = random() % 100;
      if (op < 45 || count == 0) {
        const Str name = DecimalText(nextId);
        const int at = list.Append(name, 1);
        ReferenceList::Row row{nextId++, {randomKey(), randomKey()}};
        list.SetSubItem(at, 10, row.keys[0]);
        list.SetSubItem(at, 11, row.keys[1]);
        reference.rows.push_back(row);
      } else if (op < 70) {
        const int at = 1 + static_cast<int>(random() % count);
        const int k = 10 + static_cast<int>(random() % 2);
        const Str key = randomKey();
        list.SetSubItem(at, k, key);
        reference.rows[static_cast<size_t>(at - 1)].keys[static_cast<size_t>(k - 10)] = key;
      } else if (op < 85) {
        const bool on = random() % 4 != 0;
        list.SetSorted(on);
        reference.sorted = on;
        if (on) reference.Sort();
      } else if (op < 91) {
        const int order = static_cast<int>(random() % 2);
        list.SetSortOrder(order);
        reference.sortOrder = order;
        if (reference.sorted) reference.Sort();
      } else if (op < 95) {
        const int k = 10 + static_cast<int>(random() % 2);
        list.SetSortKey(k);
        reference.sortKey = k;
        if (reference.sorted) reference.Sort();
      } else if (op < 99) {
        const int at = static_cast<int>(random() % (count + 1));
        list.Select(at);
        reference.selectedId = at == 0 ? -1 : reference.rows[static_cast<size_t>(at - 1)].id;
      } else {
        list.Clear();
        reference.rows.clear();
        reference.selectedId = -1;
      }

      ASSERT_EQ(list.Count(), static_cast<int>(reference.rows.size()));
      for (int i = 1; i <= list.Count(); ++i) {
        ASSERT_EQ(list.Row(i).text, DecimalText(reference.rows[static_cast<size_t>(i - 1)].id))
            << "round " << round << " step " << step << " position " << i;
        ASSERT_EQ(view.texts[static_cast<size_t>(i - 1)], list.Row(i).text) << "view out of step";
      }
      ASSERT_EQ(list.Selected(), reference.Selected()) << "round " << round << " step " << step;
    }
  }
}

TEST(ListModelFind, TypingFindsTheNextRowWhoseNameBeginsWithIt) {
  ListModel list;
  for (const char16_t* name : {u"alpha", u"Beta", u"gamma", u"beta2", u"ＡＢＣ"}) list.Append(name, 1);
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

namespace tarnwick {
namespace {

// Rows made from their facts keep composite keys as a relation to one of
// their sub-items and compare padded numbers by value. Random appends,
// re-keys, written texts and sort changes, with names that are equal but
// for case and sizes that tie or pass 10^30: the keys must read as the texts
// they were built from, however the sub-items change later, and the order
// must be that of a stable sort of those texts.
TEST(ListModelSorting, RowsMadeFromFactsSortAsTheirKeyTexts) {
  const SortKeyOrder keyOrder(NaturalOrder());
  const Str names[] = {u"a", u"A", u"b10", u"b9", u"007", u"8"};
  const double sizes[] = {0, 7, 7, 1e12, 9007199254740993.0, 2e30};
  const int keyColumns[] = {kSubPaddedSize, kSubPaddedFiles, kSubBareName, kSubFullPath};
  std::mt19937 random(20261207);
  for (int round = 0; round < 20; ++round) {
    ListModel list;
    list.SetTextOrder(&keyOrder);
    MirrorView view(list);
    list.SetObserver(&view);
    struct Row {
      Str text;
      Str key;
    };
    std::vector<Row> reference;  // in display order
    bool sorted = false;
    int sortOrder = 0;
    auto sortReference = [&] {
      std::stable_sort(reference.begin(), reference.end(), [&](const Row& a, const Row& b) {
        const int c = keyOrder.Compare(a.key, b.key);
        return sortOrder == 1 ? c > 0 : c < 0;
      });
    };
    for (int step = 0; step < 300; ++step) {
      const int count = list.Count();
      const unsigned op = random() % 100;
      if (op < 40 || count == 0) {
        const Str path = u"C:\\r\\" + names[random() % 6] + u"\\";
        const int at = list.AppendRow(
            RowFacts{path, sizes[random() % 6], sizes[random() % 3], 0, static_cast<std::int32_t>(1 + random() % 2)});
        reference.push_back({list.Row(at).text, list.SubItem(at, kSubCompositeKey)});
      } else if (op < 70) {
        const int at = 1 + static_cast<int>(random() % count);
        const char16_t prefix = u"3467"[random() % 4];
        const int column = keyColumns[random() % 4];
        const Str expected = prefix + list.SubItem(at, column);
        list.SetKeyFrom(at, prefix, column);
        reference[static_cast<size_t>(at - 1)].key = expected;
      } else if (op < 80) {
        // A sub-item a key may be made of gets another text.
        const int at = 1 + static_cast<int>(random() % count);
        list.SetSubItem(at, keyColumns[random() % 4], names[random() % 6]);
      } else if (op < 92) {
        const bool on = random() % 4 != 0;
        list.SetSorted(on);
        sorted = on;
        if (on) sortReference();
      } else if (op < 99) {
        sortOrder = static_cast<int>(random() % 2);
        list.SetSortOrder(sortOrder);
        if (sorted) sortReference();
      } else {
        list.Clear();
        reference.clear();
      }

      ASSERT_EQ(list.Count(), static_cast<int>(reference.size()));
      for (int i = 1; i <= list.Count(); ++i) {
        const Row& expected = reference[static_cast<size_t>(i - 1)];
        ASSERT_EQ(list.SubItem(i, kSubCompositeKey), expected.key) << "round " << round << " step " << step;
        ASSERT_EQ(view.texts[static_cast<size_t>(i - 1)], list.Row(i).text) << "view out of step";
      }
      if (sorted) {
        for (int i = 1; i <= list.Count(); ++i) {
          ASSERT_EQ(list.Row(i).text, reference[static_cast<size_t>(i - 1)].text)
              << "round " << round << " step " << step << " position " << i;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tarnwick
