// The rows of the result list: adding a finished row and re-rendering every
// row after a display setting changed.
#include "app/Form1.h"

namespace tarnwick {

void Form1::AddList(const RowFacts& facts, bool Short) {
  sorter_.SetSorted(false);
  const int i = list_.AppendRow(facts);
  // Short totals are marked on the picture; the texts hold what was counted.
  if (Short) list_.SetOverlay(i, kShortTotalsOverlay);
  SetSimpleSize(i);
  // Root-file rows stay in listing order, unkeyed, until their phase ends;
  // any other row leaves the whole list keyed and sorted, so that whatever
  // the window handles next sees the rows in order.
  if (run_.AddingRootFiles()) return;
  SortAdd();
  sorter_.SetSorted(true);
}

void Form1::ReDraw() {
  // SetSimpleSize for every row. Nothing lets the window run meanwhile, so
  // the unit and the name form are read once, not once per row: on a list
  // of 100,000 rows that is the difference between a blink and a stall.
  list_.RenderAll(view_.SelectedUnit(), view_.FullPathChecked());
  // New texts may be wider or narrower than the columns.
  view_.FitListColumns();
}

void Form1::SetSimpleSize(int Index) { list_.Render(Index, view_.SelectedUnit(), view_.FullPathChecked()); }

void Form1::Check1_Click() { ReDraw(); }

void Form1::Option1_Click(int) { ReDraw(); }

}  // namespace tarnwick
