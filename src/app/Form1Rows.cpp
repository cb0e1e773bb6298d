// The rows of the result list: adding a finished row, re-rendering every row
// after a display setting changed, and rebuilding the composite sort keys.
#include "app/Form1.h"
#include "list/Module1.h"
#include "list/ResultRows.h"

namespace tarnwick {

void Form1::AddList(const Str& st, double Si, double Co, double DC, std::int32_t Image, bool Short) {
  list_.SetSorted(false);
  const int i = AppendResultRow(list_, st, Si, Co, DC, Image);
  // Short totals are marked on the picture; the texts hold what was counted.
  if (Short) list_.SetOverlay(i, kShortTotalsOverlay);
  SetSimpleSize(i);
  // Root-file rows stay in listing order and keep the window waiting; each
  // folder row leaves the whole list keyed and sorted before the window may
  // handle what the user did meanwhile.
  if (AddingRootFiles == 0) {
    SortAdd();
    list_.SetSorted(true);
    view_.PumpMessages();
  }
}

void Form1::ReDraw() {
  // SetSimpleSize for every row. Nothing lets the window run meanwhile, so
  // the unit and the name form are read once, not once per row: on a list
  // of 100,000 rows that is the difference between a blink and a stall.
  const int unit = view_.SelectedUnit();
  const bool fullPath = view_.FullPathChecked();
  const int n = list_.Count();
  for (int i = 1; i <= n; ++i) RenderRow(list_, i, unit, fullPath, separators_.decimal);
}

void Form1::SortAdd() {
  // The first key rebuild after root-file rows were being added only ends
  // that phase; a run stopped there leaves the flag set for it.
  if (AddingRootFiles != 0) {
    AddingRootFiles = 0;
    return;
  }
  sortKeys_.Rebuild(list_, SortColumn);
}

void Form1::SetSimpleSize(int Index) {
  RenderRow(list_, Index, view_.SelectedUnit(), view_.FullPathChecked(), separators_.decimal);
}

void Form1::Check1_Click() { ReDraw(); }

void Form1::Option1_Click(int) { ReDraw(); }

}  // namespace tarnwick
