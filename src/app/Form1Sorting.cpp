// Sorting the rows by a column header: the header chooses the key column,
// the composite keys are rebuilt for it and the list sorts by them.
#include "app/Form1.h"
#include "list/Module1.h"

namespace tarnwick {

void Form1::ListView1_ColumnClick(int Index) {
  const int k = KeyColumnForHeader(Index);
  // The captionless headers past the fifth hold row data and sort nothing.
  if (k == 0) return;
  // The same key column again reverses the direction; another keeps it.
  if (k == SortColumn) list_.SetSortOrder(1 - list_.SortOrder());
  SortColumn = k;
  SortAdd();
  list_.SetSortKey(kSubCompositeKey);
  list_.SetSorted(true);
  view_.ShowSortArrow(Index, list_.SortOrder());
}

}  // namespace tarnwick
