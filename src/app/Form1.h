#pragma once
// The main window's behaviour: every handler and the search run, in portable
// code that reaches the window through FormView and the disk through
// FileSystem. Its definitions are spread by concern: rows in list/, the search
// run and progress in app/, navigation in nav/.
#include <cstdint>
#include <memory>

#include "app/CancelPeriods.h"
#include "app/FormView.h"
#include "base/Clock.h"
#include "list/ListModel.h"
#include "list/ResultColumns.h"
#include "list/ResultRows.h"
#include "list/TextOrder.h"
#include "nav/Drop.h"
#include "scan/FileSystem.h"
#include "scan/GFC.h"
#include "scan/UnreadableList.h"

namespace tarnwick {

class Form1 final : public GFCEvents {
 public:
  // `names` is the order in which the user expects names: the platform's.
  Form1(FormView& view, FileSystem& fs, NumberSeparators separators = {}, const TextOrder& names = NaturalOrder())
      : view_(view), fs_(fs), separators_(std::move(separators)), keyOrder_(names), windowPace_(view, kWindowPassMs) {
    list_.SetThousandsSeparator(separators_.thousands);
    list_.SetTextOrder(&keyOrder_);
  }

  ListModel& ListView1() { return list_; }
  const ListModel& ListView1() const { return list_; }

  // Run-state flags: 0 or 1, see the search run for their life cycle.
  std::int32_t CancelRequested = 0;  // the running search is to stop
  std::int32_t Busy = 0;             // a search run is in progress
  std::int32_t UnloadPending = 0;    // the window was closed during a run
  std::int32_t UpPending = 0;        // go-up was pressed during a run
  std::int32_t AddingRootFiles = 0;  // root-file rows: no sorting, no yield

  // The most recent mouse-button release over ListView1, recorded also
  // during a run: its button (1 left, 2 right, 4 middle) and its place in
  // the units of the list's hit test. Read by the double-click.
  std::int32_t LastMouseButton = 0;
  float LastMouseX = 0;
  float LastMouseY = 0;

  // The scanner of the current run; its events arrive in ProgFileSize.
  std::unique_ptr<GFC> GF;

  // --- Window events (called by the window adapter) ---
  void Command1_Click();  // "Search" / "Cancel", Enter and Esc
  // A press of Command1 by the user, dated by the input that made it (the
  // view's clock): taken in the role the button had when it was made.
  void Command1_Click(std::uint64_t madeAt);
  void Command2_Click();  // the folder picker
  void Command4_Click();  // go up one folder
  void Check1_Click();    // "View Full Path"
  void Option1_Click(int Index);
  void ListView1_ColumnClick(int Index);  // header Index, 1 for the first
  void Form_QueryUnload();                // the window is about to close
  void StatusBar1_PanelClick(int Index);  // a status panel, from 1
  void ListView1_MouseUp(std::int16_t Button, std::int16_t Shift, float x, float y);
  void ListView1_DblClick();
  void ListView1_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
  void ListView1_ContextMenu();       // the context-menu key or Shift+F10
  void 開いて検索_Click();            // pop1's item: search the selected row's folder
  void つ上のフォルダを検索_Click();  // pop2's item: search the parent folder

  // --- Drag and drop: a drop on ListView1 or Text1 ---
  void DropFile(DropData& D);
  // Whether a drop now would be taken: not during a run, nor while the
  // question about another drop is open.
  bool TakesDrops() const;

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
  void AddList(const Str& st, double Si, double Co, double DC, std::int32_t Image, bool Short = false);
  void ReDraw();
  void SortAdd();
  void SetSimpleSize(int Index);

 private:
  struct RunTotals {
    double files = 0;
    double bytes = 0;
  };
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
  // Work that keeps the window waiting lets it run this often, so that a
  // click or a close is answered at once as far as the user can tell.
  static constexpr std::uint64_t kWindowPassMs = 50;
  bool LetWindowRunIfDue();
  void EnableRunControls(bool enabled);
  PhaseEnd AddRootFiles(const Str& root, EntryArray& entries);
  PhaseEnd AddSubfolders(const Str& root, EntryArray& entries, RunTotals& totals);
  void FinishRun(const RunTotals& totals);
  void FailRun();
  void RestoreCommand1();  // "Search", enabled, the default button again
  void DropFailed();
  bool askingAboutDrop_ = false;

  FormView& view_;
  FileSystem& fs_;
  NumberSeparators separators_;
  SortKeyOrder keyOrder_;
  SortKeys sortKeys_;
  ListModel list_;
  UnreadableList unreadable_;
  std::uint64_t unreadableShown_ = 0;  // the count the second panel shows
  Pacer windowPace_;
  CancelPeriods cancelPeriods_;
};

}  // namespace tarnwick
