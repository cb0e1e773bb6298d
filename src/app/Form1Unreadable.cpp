// What a run could not read. Unreadable folders still count as empty, so the
// totals stay as the counting rules make them; the second status panel, the
// mark on the rows whose totals are short and the list behind the panel keep
// those totals from passing for complete.
#include "app/Form1.h"
#include "app/StatusText.h"
#include "window/UnreadableReport.h"

namespace tarnwick {

void Form1::GF_ProgUnreadable(const Str& Path, Unreadable What) {
  // Only counted here: the panel is written where the run shows progress,
  // so a root that vanished mid-run, failing every folder after it, costs
  // one panel text per row rather than one per folder.
  unreadable_.Add(Path, What);
}

void Form1::ShowUnreadable() {
  if (unreadable_.Total() == unreadableShown_) return;
  unreadableShown_ = unreadable_.Total();
  view_.SetStatusText2(UnreadableCountText(unreadable_));
}

void Form1::ClearUnreadable() {
  unreadable_.Clear();
  unreadableShown_ = 0;
  view_.SetStatusText2(Str());
}

void Form1::StatusBar1_PanelClick(int Index) {
  if (Index != 2 || unreadable_.Total() == 0) return;
  view_.ShowUnreadableWindow(MakeUnreadableReport(unreadable_, list_.Names()));
}

}  // namespace tarnwick
