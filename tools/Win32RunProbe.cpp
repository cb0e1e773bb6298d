// Watches a running Tarnwick from outside, for scripts/run.sh: waits until
// its window is shown and settled, then prints the window's place on the
// screen so that the script can take a picture of it.
//
//   tarnwick_probe.exe <seconds>
//
// Settled means: a message box of the program is up, or the status bar
// reads a closing text of a search, or "Search" (not "Cancel") stands on
// the button at two looks a second apart, so that no search is running. The
// program answers these looks only while it lets messages run, which it does
// throughout a search. Prints "x y width height reason" and exits 0, or 1
// after the given number of seconds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "window/PublicTexts.h"
#include "base/Win32Text.h"

namespace {

using tarnwick::ToWide;

std::wstring TextOf(HWND window) {
  wchar_t buffer[1024] = {};
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 1000,
                             &copied)) {
    return std::wstring();
  }
  return buffer;
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
  return ::FindWindowExW(parent, nullptr, className, nullptr);
}

// An enumeration callback, not a lambda: 32-bit Windows calls it __stdcall.
BOOL CALLBACK KeepVisibleDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  ::GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND FindMessageBox(HWND owner) {
  HWND found = nullptr;
  DWORD process = 0;
  ::EnumThreadWindows(::GetWindowThreadProcessId(owner, &process), KeepVisibleDialog,
                      reinterpret_cast<LPARAM>(&found));
  return found;
}

bool StartsWith(const std::wstring& text, const char16_t* prefix) { return text.rfind(ToWide(prefix), 0) == 0; }

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 120;
  const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;

  HWND window = nullptr;
  while (::GetTickCount64() < deadline) {
    window = ::FindWindowW(ToWide(tarnwick::kWindowClassName).c_str(), nullptr);
    if (window != nullptr && ::IsWindowVisible(window)) break;
    window = nullptr;
    ::Sleep(100);
  }
  if (window == nullptr) {
    std::fprintf(stderr, "probe: no window within %d s\n", seconds);
    return 1;
  }

  const char* reason = nullptr;
  int idleLooks = 0;
  while (reason == nullptr && ::GetTickCount64() < deadline && ::IsWindow(window)) {
    const std::wstring searchCaption = ToWide(tarnwick::kSearchCaption);
    HWND command1 = ::FindWindowExW(window, nullptr, L"Button", searchCaption.c_str());
    const std::wstring status = TextOf(ChildOfClass(window, L"msctls_statusbar32"));
    if (FindMessageBox(window) != nullptr) {
      reason = "message-box";
    } else if (StartsWith(status, tarnwick::kCompletionPrefix) || StartsWith(status, tarnwick::kCancelledText) ||
               StartsWith(status, tarnwick::kRunFailedText)) {
      reason = "search-ended";
    } else if (command1 != nullptr && TextOf(command1) == searchCaption && ++idleLooks >= 2) {
      reason = "idle";
    } else {
      ::Sleep(command1 != nullptr ? 1000 : 200);
    }
  }
  if (reason == nullptr) {
    std::fprintf(stderr, "probe: the window did not settle within %d s\n", seconds);
    reason = "timeout";
  }

  // Let the program finish painting before the picture is taken.
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT rect{};
  ::GetWindowRect(window, &rect);
  std::printf("%ld %ld %ld %ld %s\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, reason);
  return std::string(reason) == "timeout" ? 1 : 0;
}
