#pragma once
// What a result row holds and how ListView1 shows it: the row's sub-items by
// name, and the twelve columns (the row's text, then sub-items 1 to 11). Code,
// tests, benchmarks and the end-to-end scripts all read them from here.
#include <array>

namespace tarnwick {

// Sub-items of a result row.
inline constexpr int kSubSimpleSize = 1;     // "1.2MB": the size in the chosen unit
inline constexpr int kSubSize = 2;           // "1,234,567": bytes, grouped
inline constexpr int kSubFiles = 3;          // file count
inline constexpr int kSubFolders = 4;        // folder count
inline constexpr int kSubPaddedSize = 5;     // bytes, thirty digits, for sorting
inline constexpr int kSubBareName = 6;       // the last component of the path
inline constexpr int kSubFullPath = 7;       // the path as listed
inline constexpr int kSubPaddedFiles = 8;    // file count, thirty digits
inline constexpr int kSubPaddedFolders = 9;  // folder count, thirty digits
inline constexpr int kSubKind = 10;          // "1" a folder, "2" a file lying in the root
inline constexpr int kSubCompositeKey = 11;  // kind-and-direction digit + the key column's text
inline constexpr int kSubItemCount = 11;

// Names of the row's text (0) and its sub-items, as the end-to-end probe
// heads the columns it writes out.
inline constexpr std::array<const char*, kSubItemCount + 1> kSubItemNames{
    "Text",     "SimpleSize", "Size",        "Files",         "Folders", "PaddedSize",
    "BareName", "FullPath",   "PaddedFiles", "PaddedFolders", "Kind",    "CompositeKey"};

// The kinds of row, as sub-item kSubKind holds them and as the rows number
// their pictures.
inline constexpr int kFolderRow = 1;
inline constexpr int kRootFileRow = 2;

// The overlay of a folder row whose tree held something that could not be
// read, so that its totals are short; ImageList1 holds its picture, drawn
// over the row's own, as picture 3.
inline constexpr int kShortTotalsOverlay = 1;
inline constexpr int kShortTotalsPicture = 3;
// The info tip of a row that carries that mark, when the pointer rests on it.
inline constexpr char16_t kShortTotalsTip[] = u"Some folders below could not be read, so these totals are short.";

struct ColumnDesign {
  const char16_t* caption;
  int widthTwips;
  bool rightAligned;
  int sortsBy;  // the key column a click on the header chooses; 0: none
};

// Five visible columns, then seven of zero width that only hold row data: the
// user can neither widen nor click them. Both size headers sort by the exact
// byte size, the name header by the bare name.
inline constexpr std::array<ColumnDesign, kSubItemCount + 1> kListView1Columns{{
    {u"フォルダ名", 2400, false, kSubBareName},
    {u"サイズ(簡略)", 1200, true, kSubPaddedSize},
    {u"サイズ", 1440, true, kSubPaddedSize},
    {u"ファイル数", 1000, true, kSubPaddedFiles},
    {u"ディレクトリ数", 1250, true, kSubPaddedFolders},
    {u"", 0, false, 0},
    {u"", 0, false, 0},
    {u"", 0, false, 0},
    {u"", 0, false, 0},
    {u"", 0, false, 0},
    {u"", 0, false, 0},
    {u"", 0, false, 0},
}};

// The header whose column the rows are sorted by before any click: "サイズ",
// ascending.
inline constexpr int kDesignSortHeader = 3;

// Whether column `index` (0 for the first) is one of the hidden ones.
constexpr bool ColumnHidden(int index) {
  return index >= 0 && index < static_cast<int>(kListView1Columns.size()) &&
         kListView1Columns[static_cast<size_t>(index)].widthTwips == 0;
}

}  // namespace tarnwick
