#include "list/ListExport.h"

#include "list/NumberFormat.h"
#include "list/ResultColumns.h"

namespace tarnwick {
namespace {

constexpr const char16_t* kTableColumns[] = {u"Name", u"Bytes", u"Files", u"Folders", u"Path"};

}  // namespace

Str EntryPath(const ListModel& rows, int position) {
  Str path = rows.SubItem(position, kSubFullPath);
  if (ReadNumber(rows.SubItem(position, kSubKind)) == kRootFileRow && !path.empty() && path.back() == u'\\') {
    path.pop_back();
  }
  return path;
}

Str RowsAsTable(const ListModel& rows) {
  Str out;
  for (const char16_t* column : kTableColumns) {
    if (!out.empty()) out += u'\t';
    out += column;
  }
  out += u"\r\n";
  for (int i = 1; i <= rows.Count(); ++i) {
    // The padded size holds the exact bytes; read back they lose only the
    // leading zeros.
    out += rows.SubItem(i, kSubBareName);
    out += u'\t';
    out += PlainNumber(ReadNumber(rows.SubItem(i, kSubPaddedSize)));
    out += u'\t';
    out += rows.SubItem(i, kSubFiles);
    out += u'\t';
    out += rows.SubItem(i, kSubFolders);
    out += u'\t';
    out += EntryPath(rows, i);
    out += u"\r\n";
  }
  return out;
}

}  // namespace tarnwick
