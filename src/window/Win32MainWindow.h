#pragma once
// The main window Form1 in Win32: creates the controls as designed, hands
// every event to the Form1 handlers and implements FormView over the real
// controls.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <deque>

#include "window/FormDesign.h"
#include "window/FormEvents.h"
#include "window/FormView.h"
#include "window/Win32WindowClass.h"
#include "window/Win32ListInput.h"
#include "window/Win32MessageLoop.h"
#include "window/Win32Pause.h"
#include "window/Win32StatusPanel.h"
#include "window/Win32UnreadableWindow.h"
#include "base/Win32GuiHandles.h"
#include "list/Win32ResultList.h"
#include "nav/Win32DropTarget.h"

namespace tarnwick {

// Posted to the main window when the rows of ListView1 changed; the timer
// by which ListView1 catches up with them later.
constexpr UINT kSyncListMessage = WM_APP + 1;
constexpr UINT_PTR kListFlushTimer = 1;
// Posted to the main window for each drop on ListView1 or Text1, which is
// handled once the drag source has been answered.
constexpr UINT kDropMessage = WM_APP + 2;
// Posted to the main window for each mouse-button release over ListView1.
constexpr UINT kListReleaseMessage = WM_APP + 3;
// The timer that draws a status text held back within a frame.
constexpr UINT_PTR kStatusFrameTimer = 2;

class Win32MainWindow final : public FormView, public Win32ProgramWindow, private DropReceiver {
 public:
  Win32MainWindow(Win32MessageLoop& loop, int showCommand);
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  // Creates the window and its controls, hidden, and runs the load handler.
  // The events go to `events`; ListView1 shows `rows`. Both must outlive the
  // window.
  bool Create(FormEvents& events, ListModel& rows);

  HWND ControlWindow(DesignedControl control) const;
  HWND ToolTip() const { return toolTip_; }
  // The pop-up menus pop1 and pop2, as TrackPopupMenu takes them.
  HMENU Pop1() const;
  HMENU Pop2() const;
  int Dpi() const { return dpi_; }

  // FormView
  Str Text1() override;
  void SetText1(const Str& text) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetCommand1Caption(const Str& caption) override;
  void SetCommand1Default(bool isDefault) override;
  void SetCommand1Cancel(bool isCancel) override;
  void Repaint(Control control) override;
  void RepaintWindow() override;
  void SetStatusText(const Str& text) override;
  Str StatusText() override;
  void SetStatusText2(const Str& text) override;
  void ShowMessage(const Str& text) override;
  bool AskYesNo(const Str& text) override;
  int SelectedUnit() override;
  bool FullPathChecked() override;
  void ShowSortArrow(int header, int order) override;
  void FitListColumns() override;
  void FocusListRow(int position) override;
  void SetClipboardText(const Str& text) override;
  void ShowUnreadableWindow(const UnreadableReport& report) override;
  HWND UnreadableWindow() const { return unreadableWindow_.Handle(); }
  void PumpMessages() override;
  void PauseOneMillisecond() override;
  void RestUntilWoken(std::uint32_t ms) override;
  void WakeUp() override;
  void Show() override;
  void Unload() override;
  Str BrowseForFolder() override;
  int ListHitTest(float x, float y) override;
  bool ShowPopupMenu(PopupMenu menu, MenuPlace place) override;
  std::uint64_t Milliseconds() override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Message handlers.
  bool OnCreate();
  void Form_Load();
  void Form_Resize();
  void OnSize(UINT type);
  void OnCommand(int id, int code);
  LRESULT OnNotify(NMHDR& header);
  LRESULT OnListNotify(NMHDR& header);
  void OnStatusBarClick(const NMMOUSE& click);
  // The hand over the second panel while it has something to open.
  bool OnSetCursor(HWND over, int hitTest);
  void OnClose();
  void OnTimer(UINT_PTR id);
  void OnDestroy();
  void OnNcDestroy();
  void OnActivate(bool active);
  void OnDpiChanged(int dpi, const RECT& suggested);
  LRESULT OnGetDefId() const;
  bool OnSysCommand(WPARAM command);
  void OnEscapeKey();
  // When the user made the press being handled.
  std::uint64_t PressTime() const;
  void OnOption1Click(int index);
  bool TakesDrops() override;
  void Dropped(DroppedFiles data) override;
  void OnDropped();

  // ListView1's mouse, keys and pop-up menus (Win32MainWindowNavigation.cpp).
  void OnListRelease(WPARAM wParam, LPARAM lParam);
  void OnListKeyDown(std::int16_t keyCode, std::int16_t shift);
  void OnContextMenu(HWND source, LPARAM lParam);
  POINT MenuPoint(MenuPlace place) const;

  // Building and laying out the controls (Win32MainWindowControls.cpp).
  bool CreateControls();
  void CreateToolTip();
  void CreateMenus();
  void SizeClientArea();
  void LayoutControls();
  // The first panel takes what the second, sized to its text, leaves.
  void LayoutStatusPanels();
  // The root box takes the width the client area has beyond its design.
  void StretchText1(int clientWidth);
  // The window is never made smaller than keeps the top row of controls
  // and a few rows of the list in view (MinimumClientSize).
  SIZE MinimumWindowSize() const;
  void OnGetMinMaxInfo(MINMAXINFO& info) const;
  void OnWindowPosChanging(WINDOWPOS& position) const;
  void UpdateOption1TabStop();
  void ApplyFont();
  void LoadPictures();
  HWND ControlFor(Control control) const;

  Win32MessageLoop& loop_;
  int showCommand_;
  FormEvents* events_ = nullptr;
  ListModel* rows_ = nullptr;
  std::array<HWND, kForm1Controls.size()> controls_{};
  HWND toolTip_ = nullptr;
  HWND lastFocus_ = nullptr;
  int dpi_ = kDefaultDpi;

  UniqueFont font_;
  UniqueIcon browsePicture_;
  UniqueIcon goUpPicture_;
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  UniqueImageList imageList1_;
  UniqueMenu pop1_;
  UniqueMenu pop2_;
  Win32ResultList list_;
  Win32ListInput listInput_;
  Win32Pause pause_;
  Win32StatusPanel statusPanel_;
  // Set by WakeUp; a rest of the window's thread ends when it is.
  UniqueKernelHandle wake_{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  DropTargetRegistration listView1Drop_;
  DropTargetRegistration text1Drop_;
  std::deque<DroppedFiles> drops_;

  bool command1Default_ = true;
  bool command1Cancel_ = false;
  bool shown_ = false;
  bool unloaded_ = false;

  Str status2_;  // the second panel's text; no panel while it is empty
  Win32UnreadableWindow unreadableWindow_{*this};
};

}  // namespace tarnwick
