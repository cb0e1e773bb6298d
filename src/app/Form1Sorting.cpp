// Sorting the rows by a column header: the header chooses the key column and
// the direction, the composite keys are rebuilt for them and the list sorts
// by them. What each step means lives with the sorter (list/RowSorter.cpp).
#include "app/Form1.h"

namespace tarnwick {

void Form1::ListView1_ColumnClick(int Index) {
  // The captionless headers past the fifth hold row data and sort nothing.
  if (!sorter_.ChooseSortHeader(Index)) return;
  // Root-file rows being added are not in any order yet: the click waits
  // for their phase to end, as its input would wait for the window, and
  // sorts them then.
  if (run_.AddingRootFiles()) {
    run_.SortWhenRootFilesEnd();
    return;
  }
  SortAdd();
  sorter_.SetSorted(true);
}

void Form1::SortAdd() {
  // The arrow moves with the keys, so it shows the order the rows have.
  if (sorter_.BuildSortKeys()) view_.ShowSortArrow(sorter_.Arrow().header, sorter_.Arrow().order);
}

}  // namespace tarnwick
