#include "window/Win32UnreadableWindow.h"

#include "window/PublicTexts.h"
#include "window/Win32UiFont.h"
#include "window/Win32WindowClass.h"
#include "base/Twips.h"
#include "base/Win32Text.h"

namespace tarnwick {
namespace {

constexpr int kListId = 1;
constexpr int kCopyId = 2;
// Sizes at 96 DPI: the window as it first opens, the margin and the button.
constexpr int kWidth = 640;
constexpr int kHeight = 400;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;

}  // namespace

Win32UnreadableWindow::~Win32UnreadableWindow() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

void Win32UnreadableWindow::Show(HWND owner, const UnreadableReport& report, int dpi) {
  report_ = report;
  if (hwnd_ == nullptr && !Create(owner, dpi)) return;
  Fill();
  if (::IsIconic(hwnd_)) ::ShowWindow(hwnd_, SW_RESTORE);
  ::ShowWindow(hwnd_, SW_SHOW);
  ::SetForegroundWindow(hwnd_);
  ::SetFocus(list_);
}

bool Win32UnreadableWindow::Create(HWND owner, int dpi) {
  if (!RegisterWindowClass(kUnreadableWindowClassName)) return false;
  dpi_ = dpi;
  if (!font_) font_ = CreateUiFont(dpi);
  const std::wstring caption = ToWide(kUnreadableWindowTitle);
  ::CreateWindowExW(0, ToWide(kUnreadableWindowClassName).c_str(), caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                    CW_USEDEFAULT, ScaleForDpi(kWidth, USER_DEFAULT_SCREEN_DPI, dpi),
                    ScaleForDpi(kHeight, USER_DEFAULT_SCREEN_DPI, dpi), owner, nullptr, ::GetModuleHandleW(nullptr),
                    CreationParameter());
  if (hwnd_ == nullptr) return false;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  // The list hands its keys to this window first (WM_VKEYTOITEM), so Ctrl+C
  // and Esc work where the focus rests.
  list_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT |
                                LBS_WANTKEYBOARDINPUT | LBS_EXTENDEDSEL,
                            0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
  const std::wstring copyCaption = ToWide(kUnreadableCopyCaption);
  copy_ = ::CreateWindowExW(0, L"BUTTON", copyCaption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
                            0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCopyId)), instance, nullptr);
  for (HWND child : {list_, copy_}) ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  OnSize(client.right, client.bottom);
  return true;
}

void Win32UnreadableWindow::Fill() {
  ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  // The widest line sets how far the list scrolls sideways.
  int widest = 0;
  HDC dc = ::GetDC(list_);
  const HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(list_, WM_GETFONT, 0, 0)));
  for (const Str& line : report_.lines) {
    const std::wstring wide = ToWide(line);
    ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    SIZE extent{};
    if (::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent) && extent.cx > widest) {
      widest = extent.cx;
    }
  }
  ::SelectObject(dc, oldFont);
  ::ReleaseDC(list_, dc);
  ::SendMessageW(list_, LB_SETHORIZONTALEXTENT, widest + ScaleForDpi(kMargin, USER_DEFAULT_SCREEN_DPI, dpi_), 0);
  ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list_, nullptr, TRUE);
}

LRESULT Win32UnreadableWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = hwnd_;  // OnNcDestroy forgets it
  switch (message) {
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_VKEYTOITEM:
      // -2: handled here; -1: the list does what it does with the key.
      return OnListKey(LOWORD(wParam)) ? -2 : -1;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) ::SetFocus(list_);
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void Win32UnreadableWindow::OnSize(int width, int height) {
  const int margin = ScaleForDpi(kMargin, USER_DEFAULT_SCREEN_DPI, dpi_);
  const int buttonWidth = ScaleForDpi(kButtonWidth, USER_DEFAULT_SCREEN_DPI, dpi_);
  const int buttonHeight = ScaleForDpi(kButtonHeight, USER_DEFAULT_SCREEN_DPI, dpi_);
  const int listHeight = height - 3 * margin - buttonHeight;
  ::MoveWindow(list_, margin, margin, width - 2 * margin, listHeight > 0 ? listHeight : 0, TRUE);
  ::MoveWindow(copy_, width - margin - buttonWidth, height - margin - buttonHeight, buttonWidth, buttonHeight, TRUE);
}

void Win32UnreadableWindow::OnCommand(int id) {
  if (id == kCopyId) {
    Copy();
    ::SetFocus(list_);
  }
}

bool Win32UnreadableWindow::OnListKey(UINT key) {
  if (key == VK_ESCAPE) {
    ::DestroyWindow(hwnd_);
    return true;
  }
  if (key == 'C' && ::GetKeyState(VK_CONTROL) < 0) {
    Copy();
    return true;
  }
  return false;
}

void Win32UnreadableWindow::Copy() { clipboard_.SetClipboardText(report_.ClipboardText()); }

void Win32UnreadableWindow::OnNcDestroy() {
  ForgetWindow();
  list_ = nullptr;
  copy_ = nullptr;
}

}  // namespace tarnwick
