// Sorting the rows by a column header: the header chooses the key column and
// the direction, the composite keys are rebuilt for them and the list sorts
// by them. What each step means lives with the sorter (list/RowSorter.cpp).
#include "app/Form1.h"

namespace tarnwick {

void Form1::ListView1_ColumnClick(int Index) {
  // The captionless headers past the fifth hold row data and sort nothing.
  if (!sorter_.ChooseSortHeader(Index)) return;
  SortAdd();
  sorter_.SetSorted(true);
}

void Form1::SortAdd() {
  // The first key rebuild after root-file rows were being added only ends
  // that phase; a run stopped there leaves the flag set for it.
  if (AddingRootFiles != 0) {
    AddingRootFiles = 0;
    return;
  }
  // The arrow moves with the keys, so it shows the order the rows have.
  if (sorter_.BuildSortKeys()) view_.ShowSortArrow(sorter_.Arrow().header, sorter_.Arrow().order);
}

}  // namespace tarnwick
