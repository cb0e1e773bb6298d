// FormView over the real controls. Form1 stops asking a closed window
// anything (ClosableView); what still reaches it acts on nothing.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <vector>

#include "window/Win32MainWindow.h"
#include "base/Win32Text.h"
#include "window/Win32BrowseForFolder.h"

namespace tarnwick {
namespace {

Str WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, buffer.data(), length + 1);
  return Str(reinterpret_cast<const char16_t*>(buffer.data()), static_cast<size_t>(copied > 0 ? copied : 0));
}

bool IsChecked(HWND button) { return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

constexpr UINT kImmediateRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

}  // namespace

Str Win32MainWindow::Text1() {
  HWND edit = ControlWindow(DesignedControl::Text1);
  return edit != nullptr ? WindowText(edit) : Str();
}

void Win32MainWindow::SetText1(const Str& text) {
  HWND edit = ControlWindow(DesignedControl::Text1);
  if (edit != nullptr) ::SetWindowTextW(edit, ToWide(text).c_str());
}

void Win32MainWindow::SetEnabled(Control control, bool enabled) {
  HWND window = ControlFor(control);
  if (window == nullptr) return;
  // A disabled control loses the focus to nobody, and with no focus Enter
  // and Esc no longer reach the window's dialog keys: hand it to the list,
  // which stays enabled during a search and leaves Enter and Esc alone.
  HWND focus = ::GetFocus();
  if (!enabled && focus != nullptr && (focus == window || ::IsChild(window, focus))) {
    ::SetFocus(ControlWindow(DesignedControl::ListView1));
  }
  ::EnableWindow(window, enabled ? TRUE : FALSE);
}

void Win32MainWindow::SetCommand1Caption(const Str& caption) {
  HWND button = ControlWindow(DesignedControl::Command1);
  if (button != nullptr) ::SetWindowTextW(button, ToWide(caption).c_str());
}

void Win32MainWindow::SetCommand1Default(bool isDefault) {
  // Enter presses the default button through DM_GETDEFID; the style only
  // draws its heavier frame.
  command1Default_ = isDefault;
  HWND button = ControlWindow(DesignedControl::Command1);
  if (button != nullptr) {
    ::SendMessageW(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

void Win32MainWindow::SetCommand1Cancel(bool isCancel) { command1Cancel_ = isCancel; }

void Win32MainWindow::Repaint(Control control) {
  // A repaint shows the rows as they are, not as at the last catch-up.
  if (control == Control::ListView1) list_.Flush();
  HWND window = ControlFor(control);
  if (window != nullptr) ::RedrawWindow(window, nullptr, nullptr, kImmediateRepaint);
}

void Win32MainWindow::RepaintWindow() {
  list_.Flush();
  // Every control that changed has marked itself for painting; painting
  // those now, and leaving alone what already shows as it is, brings the
  // whole window up to date at once. Drawing every control afresh would
  // redraw a long list just before a search clears it, holding the window
  // for 20-40 ms under Wine.
  if (hwnd_ != nullptr) ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32MainWindow::SetStatusText(const Str& text) { statusPanel_.Write(ToWide(text)); }

void Win32MainWindow::SetStatusText2(const Str& text) {
  status2_ = text;
  LayoutStatusPanels();
}

Str Win32MainWindow::StatusText() {
  HWND status = ControlWindow(DesignedControl::StatusBar1);
  if (status == nullptr) return Str();
  const size_t length = LOWORD(::SendMessageW(status, SB_GETTEXTLENGTHW, 0, 0));
  std::vector<wchar_t> buffer(length + 1, L'\0');
  ::SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer.data()));
  return FromWide(buffer.data());
}

void Win32MainWindow::ShowMessage(const Str& text) {
  // A box without its window would stand alone on the screen.
  if (hwnd_ == nullptr) return;
  ::MessageBoxW(hwnd_, ToWide(text).c_str(), ToWide(kAppTitle).c_str(), MB_OK);
}

bool Win32MainWindow::AskYesNo(const Str& text) {
  if (hwnd_ == nullptr) return false;
  return ::MessageBoxW(hwnd_, ToWide(text).c_str(), ToWide(kAppTitle).c_str(), MB_YESNO | MB_DEFBUTTON1) == IDYES;
}

int Win32MainWindow::SelectedUnit() {
  if (IsChecked(ControlWindow(DesignedControl::Option1_0))) return 0;
  if (IsChecked(ControlWindow(DesignedControl::Option1_2))) return 2;
  return 1;
}

bool Win32MainWindow::FullPathChecked() {
  return IsChecked(ControlWindow(DesignedControl::Check1));
}

void Win32MainWindow::ShowSortArrow(int header, int order) { list_.ShowSortArrow(header, order); }

void Win32MainWindow::FitListColumns() { list_.FitColumns(FullPathChecked()); }

void Win32MainWindow::FocusListRow(int position) { list_.FocusRow(position); }

void Win32MainWindow::SetClipboardText(const Str& text) {
  if (hwnd_ == nullptr || !::OpenClipboard(hwnd_)) return;
  const std::wstring wide = ToWide(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  UniqueGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (memory) {
    if (void* target = ::GlobalLock(memory.get())) {
      std::memcpy(target, wide.c_str(), bytes);
      ::GlobalUnlock(memory.get());
      // Once the clipboard holds the memory, it is the clipboard's to free.
      if (::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr) memory.release();
    }
  }
  ::CloseClipboard();
}

void Win32MainWindow::ShowUnreadableWindow(const UnreadableReport& report) {
  if (hwnd_ != nullptr) unreadableWindow_.Show(hwnd_, report, dpi_);
}

void Win32MainWindow::PumpMessages() { loop_.PumpPending(); }

void Win32MainWindow::PauseOneMillisecond() { pause_.OneMillisecond(); }

void Win32MainWindow::RestUntilWoken(std::uint32_t ms) {
  // Input and messages posted to the window end the rest too, so that
  // they are handled at once.
  HANDLE wake = wake_.get();
  if (wake == nullptr) {
    ::MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return;
  }
  ::MsgWaitForMultipleObjectsEx(1, &wake, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Win32MainWindow::WakeUp() {
  if (wake_) ::SetEvent(wake_.get());
}

void Win32MainWindow::Show() {
  if (hwnd_ == nullptr || unloaded_) return;
  // The first showing honours how the program was started (normal,
  // minimised, maximised).
  ::ShowWindow(hwnd_, shown_ ? SW_SHOW : showCommand_);
  shown_ = true;
  ::UpdateWindow(hwnd_);
}

void Win32MainWindow::Unload() {
  unloaded_ = true;
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

Str Win32MainWindow::BrowseForFolder() { return ::tarnwick::BrowseForFolder(); }

std::uint64_t Win32MainWindow::Milliseconds() { return ::GetTickCount64(); }

}  // namespace tarnwick
