// Building the controls of the main window from its design, and laying them
// out for the DPI of its monitor.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "window/Win32MainWindow.h"
#include "window/Win32Pictures.h"
#include "window/Win32ResourceIds.h"
#include "base/Win32Text.h"

namespace tarnwick {
namespace {

struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

// Every focusable control starts a group, except the further option buttons,
// so that the arrow keys move among the three units; of those only the
// selected one is a Tab stop (UpdateOption1TabStop).
ControlClass ClassOf(ControlKind kind) {
  constexpr DWORD child = WS_CHILD | WS_VISIBLE;
  constexpr DWORD stop = WS_TABSTOP | WS_GROUP;
  switch (kind) {
    case ControlKind::ReportList:
      return {WC_LISTVIEWW,
              child | stop | LVS_REPORT | LVS_OWNERDATA | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
              WS_EX_CLIENTEDGE};
    case ControlKind::StatusBar:
      return {STATUSCLASSNAMEW, child | SBARS_SIZEGRIP, 0};
    case ControlKind::TextBox:
      return {WC_EDITW, child | stop | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
      // A caption a little wider than its box, in a wider font or at
      // another scale, loses its last pixels rather than its second word.
      return {WC_STATICW, child | WS_GROUP | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::DefaultButton:
      return {WC_BUTTONW, child | stop | BS_DEFPUSHBUTTON, 0};
    case ControlKind::PictureButton:
      return {WC_BUTTONW, child | stop | BS_PUSHBUTTON | BS_ICON, 0};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, child | stop | BS_AUTOCHECKBOX, 0};
    case ControlKind::FirstOption:
      return {WC_BUTTONW, child | stop | BS_AUTORADIOBUTTON, 0};
    case ControlKind::Option:
      return {WC_BUTTONW, child | BS_AUTORADIOBUTTON, 0};
  }
  return {};
}

size_t IndexOf(DesignedControl control) {
  for (size_t i = 0; i < kForm1Controls.size(); ++i) {
    if (kForm1Controls[i].control == control) return i;
  }
  return 0;
}

}  // namespace

HWND Win32MainWindow::ControlWindow(DesignedControl control) const { return controls_[IndexOf(control)]; }

HWND Win32MainWindow::ControlFor(Control control) const {
  switch (control) {
    case Control::Text1:
      return ControlWindow(DesignedControl::Text1);
    case Control::Command1:
      return ControlWindow(DesignedControl::Command1);
    case Control::Command2:
      return ControlWindow(DesignedControl::Command2);
    case Control::Command4:
      return ControlWindow(DesignedControl::Command4);
    case Control::Check1:
      return ControlWindow(DesignedControl::Check1);
    case Control::Option1_0:
      return ControlWindow(DesignedControl::Option1_0);
    case Control::Option1_1:
      return ControlWindow(DesignedControl::Option1_1);
    case Control::Option1_2:
      return ControlWindow(DesignedControl::Option1_2);
    case Control::ListView1:
      return ControlWindow(DesignedControl::ListView1);
  }
  return nullptr;
}

HMENU Win32MainWindow::Pop1() const { return ::GetSubMenu(pop1_.get(), 0); }
HMENU Win32MainWindow::Pop2() const { return ::GetSubMenu(pop2_.get(), 0); }

bool Win32MainWindow::CreateControls() {
  // Created in tab order: the dialog manager's Tab follows creation order.
  for (size_t i = 0; i < kForm1Controls.size(); ++i) {
    const ControlDesign& design = kForm1Controls[i];
    const ControlClass kind = ClassOf(design.kind);
    const PixelRect place = ToPixels(design.rect, dpi_);
    const std::wstring caption = ToWide(design.caption);
    controls_[i] = ::CreateWindowExW(
        kind.exStyle, kind.className, caption.c_str(), kind.style, place.left, place.top, place.width, place.height,
        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), ::GetModuleHandleW(nullptr), nullptr);
    if (controls_[i] == nullptr) return false;
  }

  HWND list = ControlWindow(DesignedControl::ListView1);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP);
  // A root text may be a long path; the edit box's default limit is 30,000.
  ::SendMessageW(ControlWindow(DesignedControl::Text1), EM_SETLIMITTEXT, 0, 0);
  int parts[] = {-1};
  ::SendMessageW(ControlWindow(DesignedControl::StatusBar1), SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
  ::SendMessageW(ControlWindow(DesignedControl::Option1_1), BM_SETCHECK, BST_CHECKED, 0);
  UpdateOption1TabStop();
  return true;
}

void Win32MainWindow::UpdateOption1TabStop() {
  // Tab enters the group of units at the selected one, as in a dialog.
  for (const DesignedControl option :
       {DesignedControl::Option1_0, DesignedControl::Option1_1, DesignedControl::Option1_2}) {
    HWND button = ControlWindow(option);
    const LONG_PTR style = ::GetWindowLongPtrW(button, GWL_STYLE);
    const bool selected = ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ::SetWindowLongPtrW(button, GWL_STYLE, selected ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
}

void Win32MainWindow::CreateToolTip() {
  toolTip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
  if (toolTip_ == nullptr) return;
  std::wstring text = ToWide(kCommand4ToolTip);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(ControlWindow(DesignedControl::Command4));
  tool.lpszText = text.data();
  ::SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32MainWindow::CreateMenus() {
  // Each pop-up hangs under a captioned entry of a menu that is never shown
  // as a bar; navigation shows the pop-up itself.
  const auto make = [](const char16_t* caption, int itemId, const char16_t* item) {
    UniqueMenu holder(::CreateMenu());
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(itemId), ToWide(item).c_str());
    ::AppendMenuW(holder.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup), ToWide(caption).c_str());
    return holder;
  };
  pop1_ = make(kPop1Caption, kIdPop1Open, kPop1Open);
  pop2_ = make(kPop2Caption, kIdPop2GoUp, kPop2GoUp);
}

void Win32MainWindow::SizeClientArea() {
  RECT frame{0, 0, TwipsToPixels(kForm1ClientWidth, dpi_), TwipsToPixels(kForm1ClientHeight, dpi_)};
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
  ::AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi_));
  // At a large scale the design is taller than a screen: the first window
  // fits the work area of its monitor, moved in where it would cross an edge.
  RECT now{};
  ::GetWindowRect(hwnd_, &now);
  PixelRect window{now.left, now.top, frame.right - frame.left, frame.bottom - frame.top};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (::GetMonitorInfoW(::MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    window = FitIntoArea(window, {work.left, work.top, work.right - work.left, work.bottom - work.top});
  }
  ::SetWindowPos(hwnd_, nullptr, window.left, window.top, window.width, window.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainWindow::LayoutControls() {
  for (size_t i = 0; i < kForm1Controls.size(); ++i) {
    if (kForm1Controls[i].control == DesignedControl::StatusBar1) continue;  // docks itself
    const PixelRect place = ToPixels(kForm1Controls[i].rect, dpi_);
    ::SetWindowPos(controls_[i], nullptr, place.left, place.top, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32MainWindow::LayoutStatusPanels() {
  HWND status = ControlWindow(DesignedControl::StatusBar1);
  if (status == nullptr) return;
  if (status2_.empty()) {
    int parts[] = {-1};
    ::SendMessageW(status, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
    return;
  }
  const std::wstring text = ToWide(status2_);
  SIZE extent{};
  if (HDC dc = ::GetDC(status)) {
    const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(status, WM_GETFONT, 0, 0)));
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, previous);
    ::ReleaseDC(status, dc);
  }
  // Room for the text, the panel's frame and margins, and the size grip
  // that the last panel holds.
  const UINT dpi = static_cast<UINT>(dpi_);
  const int width = extent.cx + 6 * ::GetSystemMetricsForDpi(SM_CXEDGE, dpi) +
                    ::GetSystemMetricsForDpi(SM_CXVSCROLL, dpi);
  RECT client{};
  ::GetClientRect(status, &client);
  int parts[] = {FirstPanelRight(static_cast<int>(client.right), width), -1};
  ::SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  ::SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32MainWindow::ApplyFont() {
  if (!font_) return;
  const WPARAM font = reinterpret_cast<WPARAM>(font_.get());
  for (HWND control : controls_) ::SendMessageW(control, WM_SETFONT, font, TRUE);
  if (toolTip_ != nullptr) ::SendMessageW(toolTip_, WM_SETFONT, font, TRUE);
}

void Win32MainWindow::LoadPictures() {
  const int picture = ScaleForDpi(kPicturePixels, kDefaultDpi, dpi_);
  UniqueIcon browse = LoadIconPixels(IDI_BROWSE_FOLDER, picture);
  UniqueIcon goUp = LoadIconPixels(IDI_GO_UP, picture);
  ::SendMessageW(ControlWindow(DesignedControl::Command2), BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(browse.get()));
  ::SendMessageW(ControlWindow(DesignedControl::Command4), BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(goUp.get()));
  browsePicture_ = std::move(browse);
  goUpPicture_ = std::move(goUp);

  UniqueIcon largeIcon = LoadIconPixels(IDI_TARNWICK, ::GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(dpi_)));
  UniqueIcon smallIcon = LoadIconPixels(IDI_TARNWICK, ::GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi_)));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon.get()));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
  bigIcon_ = std::move(largeIcon);
  smallIcon_ = std::move(smallIcon);
}

void Win32MainWindow::StretchText1(int clientWidth) {
  HWND text1 = ControlWindow(DesignedControl::Text1);
  RECT rect{};
  ::GetWindowRect(text1, &rect);
  const int width = StretchedWidth(ToPixels(DesignOf(DesignedControl::Text1).rect, dpi_).width, clientWidth,
                                   TwipsToPixels(kForm1ClientWidth, dpi_));
  ::SetWindowPos(text1, nullptr, 0, 0, width, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Win32MainWindow::MinimumWindowSize() const {
  HWND list = ControlWindow(DesignedControl::ListView1);
  HWND status = ControlWindow(DesignedControl::StatusBar1);
  const UINT dpi = static_cast<UINT>(dpi_);
  RECT header{};
  RECT statusRect{};
  if (list != nullptr) ::GetWindowRect(ListView_GetHeader(list), &header);
  if (status != nullptr) ::GetWindowRect(status, &statusRect);
  // A row is as high as the taller of its picture and its text.
  int rowHeight = ::GetSystemMetricsForDpi(SM_CYSMICON, dpi);
  if (HDC dc = ::GetDC(list)) {
    const HGDIOBJ previous = ::SelectObject(dc, font_.get());
    TEXTMETRICW metrics{};
    if (::GetTextMetricsW(dc, &metrics)) rowHeight = std::max<int>(rowHeight, metrics.tmHeight);
    ::SelectObject(dc, previous);
    ::ReleaseDC(list, dc);
  }
  rowHeight += ScaleForDpi(3, kDefaultDpi, dpi_);
  const int chrome = (header.bottom - header.top) + 2 * ::GetSystemMetricsForDpi(SM_CYEDGE, dpi) +
                     ::GetSystemMetricsForDpi(SM_CYHSCROLL, dpi);
  const PixelSize client =
      MinimumClientSize(TwipsToPixels(TopRowRightTwips(), dpi_), ToPixels(DesignOf(DesignedControl::ListView1).rect, dpi_).top,
                        chrome, rowHeight, statusRect.bottom - statusRect.top);
  RECT frame{0, 0, client.width, client.height};
  ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void Win32MainWindow::OnGetMinMaxInfo(MINMAXINFO& info) const {
  if (hwnd_ == nullptr || ControlWindow(DesignedControl::ListView1) == nullptr) return;
  const SIZE minimum = MinimumWindowSize();
  info.ptMinTrackSize = {minimum.cx, minimum.cy};
}

void Win32MainWindow::OnWindowPosChanging(WINDOWPOS& position) const {
  // A size asked for by a program, not by dragging the frame, meets the
  // same minimum. A minimised or maximised window is the system's to size.
  if ((position.flags & SWP_NOSIZE) != 0 || hwnd_ == nullptr || ::IsIconic(hwnd_) || ::IsZoomed(hwnd_) ||
      ControlWindow(DesignedControl::ListView1) == nullptr) {
    return;
  }
  const SIZE minimum = MinimumWindowSize();
  position.cx = std::max<int>(position.cx, minimum.cx);
  position.cy = std::max<int>(position.cy, minimum.cy);
}

}  // namespace tarnwick
