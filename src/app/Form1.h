#pragma once
// The main window's behaviour: every handler and the search run, in portable
// code that reaches the window through FormView and the disk through
// FileSystem. Its definitions are spread by concern over the Form1*.cpp files
// of this folder; what they decide beyond composing calls lives in list/
// (the rows and their sorting), nav/ (navigation, drops) and scan/.
#include <cstdint>
#include <optional>

#include "app/CancelPeriods.h"
#include "app/ClosableView.h"
#include "app/SearchRun.h"
#include "window/FormEvents.h"
#include "window/FormView.h"
#include "base/Clock.h"
#include "list/ListModel.h"
#include "list/RowSorter.h"
#include "list/TextOrder.h"
#include "nav/Drop.h"
#include "scan/FileSystem.h"
#include "scan/GFC.h"
#include "scan/ListingWait.h"
#include "scan/UnreadableList.h"

namespace tarnwick {

class Form1 final : public FormEvents, public GFCEvents, private ListingWait {
 public:
  // `names` is the order in which the user expects names, `times` the
  // format in which they read times: the platform's.
  Form1(FormView& view, FileSystem& fs, NumberSeparators separators = {}, const TextOrder& names = NaturalOrder(),
        const TimeTexts& times = UtcTimes())
      : view_(view),
        fs_(fs),
        list_(names, std::move(separators), times),
        run_(view_),
        windowPace_(view, kWindowPassMs) {}

  // Every question a run asks of the disk (the check of its root, its
  // listings) is asked of this many worker threads while the window runs;
  // 0 (the default, for tests that follow one thread): on the window's
  // thread.
  void ListOnWorkers(unsigned workers) { listingWorkers_ = workers; }

  ListModel& ListView1() { return list_; }
  const ListModel& ListView1() const { return list_; }
  // The order of ListView1's rows, which the header clicks choose.
  RowSorter& Sorting() { return sorter_; }
  const RowSorter& Sorting() const { return sorter_; }

  // The most recent mouse-button release over ListView1, recorded also
  // during a run: its button (1 left, 2 right, 4 middle) and its place in
  // the units of the list's hit test. Read by the double-click.
  std::int32_t LastMouseButton = 0;
  float LastMouseX = 0;
  float LastMouseY = 0;

  // --- Window events (the list in FormEvents.h), called by the window ---
#define TARNWICK_FORM1_HANDLER(name, parameters) void name parameters override;
  TARNWICK_FORM1_EVENTS(TARNWICK_FORM1_HANDLER)
#undef TARNWICK_FORM1_HANDLER
  // A press of Command1 in the role it has now: "Search" validates Text1
  // and runs, "Cancel" asks the run to stop. Navigation and drops press it.
  void Command1_Click();
  void 開いて検索_Click();            // pop1's item: search the selected row's folder
  void つ上のフォルダを検索_Click();  // pop2's item: search the parent folder

  // What the window asks before it acts on its own: whether a drop now
  // would be taken (not during a run, nor while the question about another
  // drop is open), and whether a search runs, or its root is being checked,
  // under its messages.
  bool TakesDrops() override;
  bool SearchRunning() override { return run_.Busy() || run_.CheckingPress(); }

  // --- Search run ---
  void C1C();
  std::int32_t CheckDir(const Str& st);
  Str GetDirFromDirOrFile(const Str& st);
  void GetALLDirSize(const Str& Path);
  void GoUp();  // go-up navigation on the text of Text1

  // The handler of the current scanner's progress event: a folder of the
  // count has finished.
  void GF_ProgFileSize(const Str& SearchString, double FileCount, double FileSize, bool& Cancel);
  // The handler of the current scanner's report of what it could not read.
  void GF_ProgUnreadable(const Str& Path, Unreadable What);
  // What the current or last run could not read.
  const UnreadableList& Unreadables() const { return unreadable_; }

  // --- Result rows ---
  // Short: the row's totals are short, its tree held something unreadable.
  void AddList(const RowFacts& facts, bool Short = false);
  void ReDraw();
  void SortAdd();
  void SetSimpleSize(int Index);

 private:
  enum class PhaseEnd { Completed, Stopped, Failed };

  void ProgFileSize(const Str& SearchString, double FileCount, double FileSize, bool& Cancel) override {
    GF_ProgFileSize(SearchString, FileCount, FileSize, Cancel);
  }
  void ProgUnreadable(const Str& Path, Unreadable What) override { GF_ProgUnreadable(Path, What); }
  // Brings the second status panel up to what the run met so far.
  void ShowUnreadable();
  void ClearUnreadable();
  void PopUp(PopupMenu menu, MenuPlace place);
  void StillListing() override { LetWindowRunIfDue(); }
  // Waiting for a worker: the window runs as during the run's own yields.
  bool KeepWaiting() override;
  void ListingReady() override { view_.WakeUp(); }
  ListingWait& Waiting() { return *this; }
  static constexpr std::uint32_t kListingWaitMs = 20;
  // Work that keeps the window waiting lets it run this often, so that a
  // click or a close is answered at once as far as the user can tell.
  static constexpr std::uint64_t kWindowPassMs = 20;
  bool LetWindowRunIfDue();
  // The one door of a search: a press of Command1 in the role it has now.
  // `textBefore`: what the root box showed before the press's caller wrote
  // the root, shown again when the check is given up.
  void PressSearch(const Str& textBefore);
  // Navigation and drops: write `root` into the root box and press.
  void SearchFor(const Str& root);
  void PressStop();
  // The folder to search for `text`, each question asked of the run's
  // disk; nothing when the text is refused (`refusal` says why) or a
  // question was given up.
  std::optional<Str> ValidatedRoot(const Str& text, const char16_t*& refusal);
  // The run's first phase, and the window given back when it goes no
  // further: the refusal shown, a close or a go-up asked for meanwhile.
  void BeginRootCheck();
  void EndRootCheck(const Str& textBefore, const char16_t* refusal);
  // Where a question about a path goes: the run's disk during a run.
  FileSystem& Questions() { return run_.Busy() ? run_.Disk() : fs_; }
  void EnableRunControls(bool enabled);
  PhaseEnd AddRootFiles(const Str& root, EntryArray& entries);
  // Sorts the rows when a header click waited for the root-file phase.
  void EndRootFiles();
  PhaseEnd AddSubfolders(const Str& root, EntryArray& entries);
  void FinishRun();
  // Selects the folder a go-up left, when the run found it, and shows the
  // list's focused row.
  void ShowPlaceAfterRun();
  void FailRun();
  void RestoreCommand1();  // "Search", enabled, the default button again
  // The folder to search for a dropped name; nothing when given up.
  std::optional<Str> DroppedFolder(const Str& first);
  void DropFailed();
  bool askingAboutDrop_ = false;

  ClosableView view_;
  FileSystem& fs_;
  ListModel list_;
  RowSorter sorter_{list_};
  SearchRun run_;
  UnreadableList unreadable_;
  std::uint64_t unreadableShown_ = 0;  // the count the second panel shows
  Pacer windowPace_;
  CancelPeriods cancelPeriods_;
  unsigned listingWorkers_ = 0;
};

}  // namespace tarnwick
