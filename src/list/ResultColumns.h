#pragma once
// What a result row holds and how ListView1 shows it: one table of its
// columns, the row's text and then sub-items 1 to 11 as other programs read
// them, then the columns added later (12 to 14), which the list shows
// among the others through its column order. Each gives its caption, design
// width, alignment, the text it shows from a row's facts and how rows keyed
// by it compare; the rows, the widths, the sort, the header clicks and the
// copy all read it.
#include <array>

#include "base/Text.h"
#include "list/NumberFormat.h"
#include "list/ResultRows.h"
#include "list/TimeText.h"

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
inline constexpr int kSubShare = 12;         // "37.5%": the size as a part of all rows' sizes, drawn as a bar
inline constexpr int kSubLastChanged = 13;   // the latest last-write time in the tree, in the user's format
inline constexpr int kSubOnDisk = 14;        // "1,234,567": bytes the tree takes on the disk, grouped

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

// What a cell's text is made from.
struct RowCell {
  const RowFactsView& facts;
  int unit;       // of sub-item 1, as last rendered (0 GB, 1 MB, 2 KB); -1: never, it is empty
  bool fullPath;  // the row's text is its path, else its bare name
  const NumberSeparators& separators;
  double allBytes;  // the sum of every row's size, of which the row shows its share
  const TimeTexts& times;
};

struct ColumnDesign {
  const char* probeName;  // how the end-to-end probe heads it
  const char16_t* caption;
  int widthTwips;  // 0: hidden, it only holds row data that the user can neither widen nor click
  bool rightAligned;
  int sortsBy;                            // the key column a click on its header chooses; 0: none
  void (*text)(const RowCell&, Str& out);  // nullptr: the composite key, which the sorter makes
  // Rows keyed by the column compare by this number of their facts, or else
  // by this name in the order the user knows; a column that ranks by a
  // number is widened for its largest numbers.
  double (*number)(const RowFactsView&);
  StrView (*name)(const RowFactsView&);
};

// Five visible columns, seven of zero width, then three visible ones. The
// size and share headers sort by the exact byte size, the name header by the
// bare name.
inline constexpr std::array<ColumnDesign, 15> kListView1Columns{{
    {"Text", u"フォルダ名", 2400, false, kSubBareName,
     [](const RowCell& c, Str& out) { out += c.fullPath ? c.facts.path : BareName(c.facts.path); }, nullptr, nullptr},
    {"SimpleSize", u"サイズ(簡略)", 1200, true, kSubPaddedSize,
     [](const RowCell& c, Str& out) {
       if (c.unit >= 0) out += SimpleSizeText(c.facts.totals.bytes, c.unit, c.separators.decimal);
     },
     [](const RowFactsView& f) { return f.totals.bytes; }, nullptr},
    {"Size", u"サイズ", 1440, true, kSubPaddedSize,
     [](const RowCell& c, Str& out) { out += GroupedNumber(c.facts.totals.bytes, c.separators.thousands); },
     [](const RowFactsView& f) { return f.totals.bytes; }, nullptr},
    {"Files", u"ファイル数", 1000, true, kSubPaddedFiles,
     [](const RowCell& c, Str& out) { out += PlainNumber(c.facts.totals.files); },
     [](const RowFactsView& f) { return f.totals.files; }, nullptr},
    {"Folders", u"ディレクトリ数", 1250, true, kSubPaddedFolders,
     [](const RowCell& c, Str& out) { out += PlainNumber(c.facts.totals.folders); },
     [](const RowFactsView& f) { return f.totals.folders; }, nullptr},
    {"PaddedSize", u"", 0, false, 0, [](const RowCell& c, Str& out) { out += PaddedNumber(c.facts.totals.bytes); },
     [](const RowFactsView& f) { return f.totals.bytes; }, nullptr},
    {"BareName", u"", 0, false, 0, [](const RowCell& c, Str& out) { out += BareName(c.facts.path); }, nullptr,
     [](const RowFactsView& f) { return BareName(f.path); }},
    {"FullPath", u"", 0, false, 0, [](const RowCell& c, Str& out) { out += c.facts.path; }, nullptr,
     [](const RowFactsView& f) { return f.path; }},
    {"PaddedFiles", u"", 0, false, 0, [](const RowCell& c, Str& out) { out += PaddedNumber(c.facts.totals.files); },
     [](const RowFactsView& f) { return f.totals.files; }, nullptr},
    {"PaddedFolders", u"", 0, false, 0,
     [](const RowCell& c, Str& out) { out += PaddedNumber(c.facts.totals.folders); },
     [](const RowFactsView& f) { return f.totals.folders; }, nullptr},
    {"Kind", u"", 0, false, 0, [](const RowCell& c, Str& out) { out += DecimalText(c.facts.kind); }, nullptr,
     nullptr},
    {"CompositeKey", u"", 0, false, 0, nullptr, nullptr, nullptr},
    {"Share", u"割合", 1100, true, kSubPaddedSize,
     [](const RowCell& c, Str& out) { out += ShareText(c.facts.totals.bytes, c.allBytes, c.separators.decimal); },
     [](const RowFactsView& f) { return f.totals.bytes; }, nullptr},
    {"LastChanged", u"更新日時", 1900, false, kSubLastChanged,
     [](const RowCell& c, Str& out) {
       if (c.facts.totals.lastWrite != 0) c.times.AppendShort(c.facts.totals.lastWrite, out);
     },
     [](const RowFactsView& f) { return static_cast<double>(f.totals.lastWrite); }, nullptr},
    {"OnDisk", u"ディスク上のサイズ", 1800, true, kSubOnDisk,
     // "0" where "サイズ" would show nothing: taking no room is what a
     // sparse or online-only tree is worth seeing.
     [](const RowCell& c, Str& out) {
       const double onDisk = c.facts.totals.onDisk;
       out += onDisk >= 0.5 ? GroupedNumber(onDisk, c.separators.thousands) : Str(u"0");
     },
     [](const RowFactsView& f) { return f.totals.onDisk; }, nullptr},
}};
inline constexpr int kSubItemCount = static_cast<int>(kListView1Columns.size()) - 1;

// A header sorts only by a column whose rows compare.
static_assert([] {
  for (const ColumnDesign& c : kListView1Columns) {
    const ColumnDesign& key = kListView1Columns[static_cast<size_t>(c.sortsBy)];
    if (c.sortsBy != 0 && key.number == nullptr && key.name == nullptr) return false;
  }
  return true;
}());

// The columns the list shows, in the order it shows them; the first, the
// name column, takes the room the others leave.
inline constexpr std::array<int, 8> kShownColumns{0,          kSubSimpleSize, kSubShare,   kSubSize,
                                                  kSubOnDisk, kSubFiles,      kSubFolders, kSubLastChanged};

// Whether a column shows a time: its header sorts newest first at its first
// click, and a later time's text is not always the longer.
constexpr bool ColumnIsTime(int column) { return column == kSubLastChanged; }

// The columns a copy of the whole list holds, in order, under these names.
struct CopiedColumn {
  const char16_t* caption;
  int column;
};
inline constexpr std::array<CopiedColumn, 7> kCopiedColumns{{{u"Name", kSubBareName},
                                                             {u"Bytes", kSubPaddedSize},
                                                             {u"Bytes on disk", kSubOnDisk},
                                                             {u"Files", kSubFiles},
                                                             {u"Folders", kSubFolders},
                                                             {u"Path", kSubFullPath},
                                                             {u"Last changed", kSubLastChanged}}};

// The header whose column the rows are sorted by before any click: "サイズ",
// ascending.
inline constexpr int kDesignSortHeader = 3;

// Whether column `index` (0 for the first) is one of the hidden ones.
constexpr bool ColumnHidden(int index) {
  return index >= 0 && index < static_cast<int>(kListView1Columns.size()) &&
         kListView1Columns[static_cast<size_t>(index)].widthTwips == 0;
}

}  // namespace tarnwick
