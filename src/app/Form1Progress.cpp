#include "app/Form1.h"
#include "app/StatusText.h"

namespace tarnwick {

void Form1::GF_ProgFileSize(const Str& SearchString, double FileCount, double FileSize, bool& Cancel) {
  (void)FileCount;
  view_.SetStatusText(FolderProgressText(FileSize, SearchString));
  ShowUnreadable();
  // The one place inside a count where the window is serviced: clicks, Esc,
  // a close or a header click made meanwhile run here.
  view_.PumpMessages();
  view_.PauseOneMillisecond();
  if (run_.CancelRequested()) Cancel = true;
}

bool Form1::KeepWaiting() {
  view_.PumpMessages();
  if (run_.GivesUpWaiting()) return false;
  view_.RestUntilWoken(kListingWaitMs);
  return true;
}

void Form1::Form_QueryUnload() {
  // The close always goes ahead and the window goes at once; a run in
  // progress stops, winds down on what the window last showed and unloads
  // what is left at its end.
  run_.RequestClose();
  view_.WindowGone();
}

}  // namespace tarnwick
