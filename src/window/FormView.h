#pragma once
// What the window's handlers need of the window itself. The Win32 main window
// implements it over real controls; tests use a fake whose message pump runs
// scripted user actions.
#include <cstdint>

#include "window/UnreadableReport.h"
#include "base/Clock.h"
#include "base/Text.h"
#include "list/NumberFormat.h"

namespace tarnwick {

enum class Control { Text1, Command1, Command2, Command4, Check1, Option1_0, Option1_1, Option1_2, ListView1 };

// The window's two pop-up menus: pop1 offers "開いて検索" for a row, pop2
// "1つ上のフォルダを検索" for the list's empty area.
enum class PopupMenu { pop1, pop2 };

// Where a pop-up menu opens: at the mouse pointer, or, when the keyboard
// asked for it, at a row of ListView1 (row 0: the list's own top-left corner).
struct MenuPlace {
  bool atPointer = true;
  int row = 0;
  static MenuPlace Pointer() { return {true, 0}; }
  static MenuPlace AtRow(int row) { return {false, row}; }
  bool operator==(const MenuPlace&) const = default;
};

// The window is also the program's clock (Clock::Milliseconds): the times of
// input it hands on are on the same scale.
class FormView : public Clock {
 public:
  virtual ~FormView() = default;

  virtual Str Text1() = 0;
  virtual void SetText1(const Str& text) = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;

  // The Search/Cancel button: its caption, and whether Enter (default
  // button) or Esc (cancel button) presses it.
  virtual void SetCommand1Caption(const Str& caption) = 0;
  virtual void SetCommand1Default(bool isDefault) = 0;
  virtual void SetCommand1Cancel(bool isCancel) = 0;

  // Immediate repaint of one control, or of the whole window.
  virtual void Repaint(Control control) = 0;
  virtual void RepaintWindow() = 0;

  // Text of the first status-bar panel.
  virtual void SetStatusText(const Str& text) = 0;
  virtual Str StatusText() = 0;
  // Text of the second panel, which says what a run could not read; the
  // panel takes no room while it is empty.
  virtual void SetStatusText2(const Str& text) = 0;

  // Message boxes: OK only, or Yes/No (Yes default); no icon; the program's
  // title as caption. AskYesNo returns true for Yes.
  virtual void ShowMessage(const Str& text) = 0;
  virtual bool AskYesNo(const Str& text) = 0;

  // Which Option1 button is selected (0 GB, 1 MB, 2 KB), and whether "View
  // Full Path" is checked.
  virtual int SelectedUnit() = 0;
  virtual bool FullPathChecked() = 0;

  // The header of ListView1 (1 for the first) that shows the sort arrow,
  // pointing up for SortOrder 0 (ascending), down for 1; no other shows one.
  virtual void ShowSortArrow(int header, int order) = 0;

  // The texts of ListView1 changed: its columns fit them again.
  virtual void FitListColumns() = 0;
  // Gives the row of ListView1 at `position` the focus and scrolls it into
  // view; the selection stays as it is.
  virtual void FocusListRow(int position) = 0;
  // Puts text on the clipboard, in place of what it held.
  virtual void SetClipboardText(const Str& text) = 0;
  // Opens the window that lists what the last run could not read, owned by
  // this one, or brings the one open to the front showing `report`.
  virtual void ShowUnreadableWindow(const UnreadableReport& report) = 0;

  // Lets every window message queued at this moment run, then returns.
  virtual void PumpMessages() = 0;
  // Gives up the processor for about one millisecond.
  virtual void PauseOneMillisecond() = 0;
  // Rests until WakeUp is called, input for the window arrives or `ms`
  // milliseconds pass. WakeUp may be called from any thread; a wake-up made
  // before the rest ends it at once.
  virtual void RestUntilWoken(std::uint32_t ms) = 0;
  virtual void WakeUp() = 0;

  // Shows the window (start-up), and ends it for good; Unload never shows a
  // window again and ends the program once the running handler returns.
  virtual void Show() = 0;
  virtual void Unload() = 0;

  // The shell folder picker: the chosen folder ending in "\", or "".
  virtual Str BrowseForFolder() = 0;

  // The row of ListView1 at a point given in the units of the list's mouse
  // events, or 0 when there is none.
  virtual int ListHitTest(float x, float y) = 0;
  // Shows a pop-up menu and returns once it has closed: true when its item
  // was chosen. Left-aligned at its place, no default item, and the item can
  // be chosen with either mouse button.
  virtual bool ShowPopupMenu(PopupMenu menu, MenuPlace place) = 0;
};

}  // namespace tarnwick
