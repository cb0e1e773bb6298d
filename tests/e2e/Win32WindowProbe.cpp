// Looks at a running Tarnwick window from another process, the way a user's
// tool would: reads the status bar and every row of the list, presses Esc or
// closes the window. Used by the end-to-end tests.
//
//   window_probe wait-status PREFIX TIMEOUT_MS   waits until panel 1 starts with PREFIX
//   window_probe wait WHAT TIMEOUT_MS            waits for one of the program's own
//                                               status texts: complete, cancelled,
//                                               failed, or progress (a folder counted)
//   window_probe rows FILE                      writes every row, tab-separated, UTF-8,
//                                               under a line naming the columns; the
//                                               last, Overlay, is the row's overlay, and
//                                               State its selected (1) and focused (2) bits
//   window_probe column FILE NAME               writes the sub-item NAME of every row, one
//                                               a line, UTF-8: quicker than rows on a long list
//   window_probe panel2                         prints the text of status panel 2
//   window_probe header N                       clicks header N of the list (1 the first)
//   window_probe header-in-root-files N TIMEOUT_MS
//                                               clicks header N once panel 1 counts root
//                                               files; fails unless it still does after
//                                               the window has taken the click
//   window_probe arrow                          prints the header that shows the sort
//                                               arrow and its direction: "3 down"
//   window_probe esc                            presses Esc in the window
//   window_probe esc-in-root-files TIMEOUT_MS   presses Esc once panel 1 counts root files,
//                                               then times the window's answers until
//                                               the run reads cancelled
//   window_probe esc-when-shown TEXT WATCH_MS TIMEOUT_MS
//                                               once panel 1 shows TEXT, times the window's
//                                               answers for WATCH_MS, presses Esc, and
//                                               goes on as esc-in-root-files
//   window_probe menu-key KEY                   taps alt, f10 or shift-f10 with real input
//                                               during a run; fails when the run then
//                                               stands still
//   window_probe close                          closes the window
//   window_probe double-click NAME              double-clicks the row shown as NAME
//   window_probe click NAME                     clicks the row shown as NAME
//   window_probe columns                        prints the visible columns' widths, in the
//                                               order shown, then the width of each one's
//                                               widest text
//   window_probe resize W H                     asks for a window W x H; prints the size it
//                                               got, the rows the list shows, the name
//                                               column's and the root box's widths
//   window_probe keys KEY...                    types the keys (ctrl, shift, f5, back or a
//                                               letter) together
//   window_probe copy KEY... FILE               the same, then waits for the clipboard to
//                                               change and writes its text to FILE, UTF-8
//   window_probe go-up                          clicks the go-up button
//   window_probe option N                       clicks unit button N (0 GB, 1 MB, 2 KB)
//   window_probe hold-desktop                   stays connected to the desktop until
//                                               killed; prints a line once connected
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "window/FormDesign.h"
#include "window/PublicTexts.h"
#include "base/Text.h"
#include "base/Win32GuiHandles.h"
#include "base/Win32Text.h"
#include "list/ResultColumns.h"

namespace {

using tarnwick::FromWide;
using tarnwick::ToUtf8;

// By class, so that a message box captioned "Tarnwick" is never taken for it.
HWND FindMainWindow() { return ::FindWindowW(tarnwick::ToWide(tarnwick::kWindowClassName).c_str(), nullptr); }

std::wstring StatusText(HWND main) {
  HWND status = ::FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
  if (status == nullptr) return L"";
  // WM_GETTEXT is carried across processes by the system; it gives panel 1.
  wchar_t buffer[4096] = {};
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(status, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, &result);
  return buffer;
}

// Waits until panel 1 reads a text that `matches`, and prints it.
template <class Match>
int WaitFor(Match matches, DWORD timeoutMs) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  std::wstring last;
  while (::GetTickCount64() < end) {
    if (HWND main = FindMainWindow()) {
      last = StatusText(main);
      if (matches(last)) {
        std::printf("%s\n", ToUtf8(FromWide(last)).c_str());
        return 0;
      }
    }
    ::Sleep(20);
  }
  std::fprintf(stderr, "timed out; status was: %s\n", ToUtf8(FromWide(last)).c_str());
  return 1;
}

int WaitStatus(const std::wstring& prefix, DWORD timeoutMs) {
  return WaitFor([&](const std::wstring& text) { return text.rfind(prefix, 0) == 0; }, timeoutMs);
}

// The status texts a run ends with, or the one it writes for each folder.
int WaitNamed(const std::wstring& what, DWORD timeoutMs) {
  using tarnwick::ToWide;
  if (what == L"progress") {
    const std::wstring infix = ToWide(tarnwick::kFolderProgressInfix);
    return WaitFor([&](const std::wstring& text) { return text.find(infix) != std::wstring::npos; }, timeoutMs);
  }
  const char16_t* prefix = what == L"complete"    ? tarnwick::kCompletionPrefix
                           : what == L"cancelled" ? tarnwick::kCancelledText
                           : what == L"failed"    ? tarnwick::kRunFailedText
                                                  : nullptr;
  if (prefix == nullptr) return 2;
  return WaitStatus(ToWide(prefix), timeoutMs);
}

// List-view messages carry pointers, which the system does not carry across
// processes: the item, its text buffer and a rectangle live in the
// program's memory, for as long as this object does.
class RemoteList {
 public:
  static constexpr int kChars = 32768;

  explicit RemoteList(HWND list) : list_(list) {
    DWORD pid = 0;
    if (list_ == nullptr || ::GetWindowThreadProcessId(list_, &pid) == 0) return;
    process_.reset(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!process_) return;
    remote_ = ::VirtualAllocEx(process_.get(), nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT,
                               PAGE_READWRITE);
  }
  ~RemoteList() {
    if (remote_ != nullptr) ::VirtualFreeEx(process_.get(), remote_, 0, MEM_RELEASE);
  }
  RemoteList(const RemoteList&) = delete;
  RemoteList& operator=(const RemoteList&) = delete;

  bool Usable() const { return remote_ != nullptr; }
  int Rows() const { return static_cast<int>(::SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

  std::wstring Text(int row, int column) {
    auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote_) + sizeof(LVITEMW));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = remoteText;
    item.cchTextMax = kChars;
    ::WriteProcessMemory(process_.get(), remote_, &item, sizeof item, nullptr);
    const LRESULT n = ::SendMessageW(list_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote_));
    text_.assign(static_cast<size_t>(n) + 1, L'\0');
    ::ReadProcessMemory(process_.get(), remoteText, text_.data(), (n + 1) * sizeof(wchar_t), nullptr);
    return std::wstring(text_.data(), static_cast<size_t>(n));
  }

  int StringWidth(const std::wstring& text) {
    ::WriteProcessMemory(process_.get(), remote_, text.c_str(), (text.size() + 1) * sizeof(wchar_t), nullptr);
    return static_cast<int>(::SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(remote_)));
  }

  // The format bits of header item `index` of the list's header control.
  int HeaderFormat(HWND header, int index) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    ::WriteProcessMemory(process_.get(), remote_, &item, sizeof item, nullptr);
    if (::SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(remote_)) == 0) return 0;
    ::ReadProcessMemory(process_.get(), remote_, &item, sizeof item, nullptr);
    return item.fmt;
  }

  // The row's label in the list's client coordinates.
  bool LabelRect(int row, RECT& rect) {
    rect = RECT{LVIR_LABEL, 0, 0, 0};
    ::WriteProcessMemory(process_.get(), remote_, &rect, sizeof rect, nullptr);
    return ::SendMessageW(list_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote_)) != 0 &&
           ::ReadProcessMemory(process_.get(), remote_, &rect, sizeof rect, nullptr);
  }

 private:
  HWND list_;
  tarnwick::UniqueKernelHandle process_;
  void* remote_ = nullptr;
  std::vector<wchar_t> text_;
};

HWND FindList() {
  HWND main = FindMainWindow();
  return main ? ::FindWindowExW(main, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
}

int DumpRows(const wchar_t* file) {
  RemoteList list(FindList());
  if (!list.Usable()) return 1;
  FILE* out = _wfopen(file, L"wb");
  if (out == nullptr) return 1;
  const int rows = list.Rows();
  std::string names;
  for (const tarnwick::ColumnDesign& column : tarnwick::kListView1Columns) {
    if (!names.empty()) names += '\t';
    names += column.probeName;
  }
  names += "\tOverlay\tState\n";
  std::fwrite(names.data(), 1, names.size(), out);
  for (int row = 0; row < rows; ++row) {
    std::string line;
    for (int column = 0; column <= tarnwick::kSubItemCount; ++column) {
      if (column > 0) line += '\t';
      line += ToUtf8(FromWide(list.Text(row, column)));
    }
    // The state needs no buffer: it comes back as the message's result.
    const auto state = static_cast<UINT>(
        ::SendMessageW(FindList(), LVM_GETITEMSTATE, row, LVIS_OVERLAYMASK | LVIS_SELECTED | LVIS_FOCUSED));
    line += '\t' + std::to_string((state & LVIS_OVERLAYMASK) >> 8) + '\t' +
            std::to_string(((state & LVIS_SELECTED) ? 1 : 0) | ((state & LVIS_FOCUSED) ? 2 : 0)) + '\n';
    std::fwrite(line.data(), 1, line.size(), out);
  }
  std::fclose(out);
  std::printf("%d rows\n", rows);
  return 0;
}

int DumpColumn(const wchar_t* file, const std::wstring& name) {
  RemoteList list(FindList());
  const auto& columns = tarnwick::kListView1Columns;
  const auto named = std::find_if(columns.begin(), columns.end(), [&](const tarnwick::ColumnDesign& c) {
    return tarnwick::ToWide(tarnwick::FromUtf8(c.probeName)) == name;
  });
  FILE* out = list.Usable() && named != columns.end() ? _wfopen(file, L"wb") : nullptr;
  if (out == nullptr) return 1;
  const int column = static_cast<int>(named - columns.begin());
  for (int row = 0; row < list.Rows(); ++row) {
    const std::string line = ToUtf8(FromWide(list.Text(row, column))) + '\n';
    std::fwrite(line.data(), 1, line.size(), out);
  }
  std::fclose(out);
  return 0;
}

int PrintPanel2() {
  HWND main = FindMainWindow();
  HWND status = main ? ::FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr;
  if (status == nullptr) return 1;
  if (::SendMessageW(status, SB_GETPARTS, 0, 0) < 2) {
    std::printf("\n");
    return 0;
  }
  DWORD pid = 0;
  ::GetWindowThreadProcessId(status, &pid);
  tarnwick::UniqueKernelHandle process(
      ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process) return 1;
  const size_t chars = LOWORD(::SendMessageW(status, SB_GETTEXTLENGTHW, 1, 0)) + size_t{1};
  void* remote = ::VirtualAllocEx(process.get(), nullptr, chars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
  if (remote == nullptr) return 1;
  ::SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(remote));
  std::vector<wchar_t> text(chars, L'\0');
  ::ReadProcessMemory(process.get(), remote, text.data(), chars * sizeof(wchar_t), nullptr);
  ::VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  text.back() = L'\0';
  std::printf("%s\n", ToUtf8(FromWide(text.data())).c_str());
  return 0;
}

int PressEsc() {
  HWND main = FindMainWindow();
  HWND list = main ? ::FindWindowExW(main, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
  if (list == nullptr) return 1;
  // Posted like keyboard input, so it goes through the window's own message
  // loop and its dialog-key handling.
  ::PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  ::PostMessageW(list, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  return 0;
}

// Real clicks, as a user's: the pointer moves there and the buttons go
// through the system's input queue.
void ClickScreen(POINT at, int clicks) {
  // Clicks of earlier commands must not pair up with these into a double-click.
  LASTINPUTINFO last{sizeof(last), 0};
  while (::GetLastInputInfo(&last) && ::GetTickCount() - last.dwTime <= ::GetDoubleClickTime()) ::Sleep(50);
  ::SetCursorPos(at.x, at.y);
  std::vector<INPUT> inputs;
  for (int i = 0; i < clicks; ++i) {
    for (const DWORD flag : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
      INPUT input{};
      input.type = INPUT_MOUSE;
      input.mi.dwFlags = flag;
      inputs.push_back(input);
    }
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

int ClickRow(const std::wstring& name, int clicks) {
  HWND listWindow = FindList();
  RemoteList list(listWindow);
  if (!list.Usable()) return 1;
  const int rows = list.Rows();
  int found = -1;
  for (int row = 0; row < rows && found < 0; ++row) {
    if (list.Text(row, 0) == name) found = row;
  }
  RECT label{};
  bool placed = false;
  if (found >= 0) {
    ::SendMessageW(listWindow, LVM_ENSUREVISIBLE, found, FALSE);
    placed = list.LabelRect(found, label);
  }
  if (!placed) {
    std::fprintf(stderr, "no row shown as %s\n", ToUtf8(FromWide(name.c_str())).c_str());
    return 1;
  }
  POINT at{label.left + 8, (label.top + label.bottom) / 2};
  ::ClientToScreen(listWindow, &at);
  ClickScreen(at, clicks);
  return 0;
}

int PrintColumns() {
  HWND listWindow = FindList();
  RemoteList list(listWindow);
  if (!list.Usable()) return 1;
  std::string widths, texts = "|";
  for (const int column : tarnwick::kShownColumns) {
    int widest = 0;
    for (int row = 0; row < list.Rows(); ++row) widest = std::max(widest, list.StringWidth(list.Text(row, column)));
    widths += std::to_string(::SendMessageW(listWindow, LVM_GETCOLUMNWIDTH, column, 0)) + ' ';
    texts += ' ' + std::to_string(widest);
  }
  std::printf("%s%s\n", widths.c_str(), texts.c_str());
  return 0;
}

int Resize(int width, int height) {
  HWND main = FindMainWindow();
  HWND list = FindList();
  if (list == nullptr) return 1;
  ::SetWindowPos(main, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT window{}, text1{};
  ::GetWindowRect(main, &window);
  ::GetWindowRect(::GetDlgItem(main, tarnwick::kIdText1), &text1);
  std::printf("%ld %ld %d %d %ld\n", window.right - window.left, window.bottom - window.top,
              static_cast<int>(::SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0)),
              static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0)), text1.right - text1.left);
  return 0;
}

// Real keys, pressed together and released, to whatever has the focus;
// with a file, what they put on the clipboard is written to it.
int TypeKeys(int count, wchar_t** keys, const wchar_t* file) {
  std::vector<INPUT> inputs(static_cast<size_t>(count) * 2);
  for (int i = 0; i < count; ++i) {
    const std::wstring key = keys[i];
    INPUT& down = inputs[static_cast<size_t>(i)];
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key == L"ctrl" ? VK_CONTROL : key == L"shift" ? VK_SHIFT : key == L"f5" ? VK_F5
                  : key == L"back" ? VK_BACK : static_cast<WORD>(key[0] & ~0x20);
    inputs[inputs.size() - 1 - static_cast<size_t>(i)] = down;
    inputs[inputs.size() - 1 - static_cast<size_t>(i)].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  const DWORD before = ::GetClipboardSequenceNumber();
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (file == nullptr) return 0;
  for (const ULONGLONG end = ::GetTickCount64() + 10000; ::GetClipboardSequenceNumber() == before; ::Sleep(20)) {
    if (::GetTickCount64() > end) return 1;
  }
  std::string text;
  if (::OpenClipboard(nullptr)) {
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
      text = ToUtf8(FromWide(static_cast<const wchar_t*>(::GlobalLock(data))));
      ::GlobalUnlock(data);
    }
    ::CloseClipboard();
  }
  FILE* out = _wfopen(file, L"wb");
  if (out == nullptr) return 1;
  std::fwrite(text.data(), 1, text.size(), out);
  std::fclose(out);
  return 0;
}

int ClickButton(int id) {
  HWND main = FindMainWindow();
  HWND button = main ? ::GetDlgItem(main, id) : nullptr;
  if (button == nullptr) return 1;
  RECT rect{};
  ::GetWindowRect(button, &rect);
  ClickScreen({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, 1);
  return 0;
}

// The mouse messages of a click on the middle of a header. Its place comes
// from the column widths, which need no pointers to cross the processes.
int ClickHeader(int header) {
  HWND main = FindMainWindow();
  HWND list = main ? ::FindWindowExW(main, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
  HWND headers = list ? ::FindWindowExW(list, nullptr, WC_HEADERW, nullptr) : nullptr;
  if (headers == nullptr || header < 1) return 1;
  // The columns show in the table's order of shown columns, the hidden ones
  // (of no width) after them.
  int left = 0;
  for (const int column : tarnwick::kShownColumns) {
    if (column == header - 1) break;
    left += static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
  }
  const int width = static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, header - 1, 0));
  RECT rect{};
  ::GetClientRect(headers, &rect);
  const LPARAM point = MAKELPARAM(left + width / 2, rect.bottom / 2);
  ::SendMessageW(headers, WM_LBUTTONDOWN, MK_LBUTTON, point);
  ::SendMessageW(headers, WM_LBUTTONUP, 0, point);
  return 0;
}

// Milliseconds the window takes to answer a message sent from here.
ULONGLONG AnswerMilliseconds(HWND main) {
  const ULONGLONG start = ::GetTickCount64();
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
  return ::GetTickCount64() - start;
}

// Waits until panel 1 shows `shown`, times the window's answers for
// `watchMs`, presses Esc, and times them on until the run reads cancelled.
int HeaderInRootFiles(int header, DWORD timeoutMs) {
  const std::wstring counting = tarnwick::ToWide(tarnwick::kRootFileProgressSuffix);
  const auto inPhase = [&](const std::wstring& text) { return text.find(counting) != std::wstring::npos; };
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  HWND main = nullptr;
  while (main == nullptr || !inPhase(StatusText(main))) {
    if (::GetTickCount64() > end) {
      std::fprintf(stderr, "never saw the root files counted\n");
      return 1;
    }
    ::Sleep(5);
    main = FindMainWindow();
  }
  // The click is sent: it returns once the window has handled it.
  if (ClickHeader(header) != 0) return 1;
  const std::wstring after = StatusText(main);
  if (!inPhase(after)) {
    std::fprintf(stderr, "the click was handled after the root files: %s\n", ToUtf8(FromWide(after)).c_str());
    return 1;
  }
  return 0;
}

int PrintArrow() {
  HWND list = FindList();
  HWND header = list ? ::FindWindowExW(list, nullptr, WC_HEADERW, nullptr) : nullptr;
  RemoteList remote(list);
  if (header == nullptr || !remote.Usable()) return 1;
  const int count = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const int format = remote.HeaderFormat(header, i);
    if ((format & (HDF_SORTUP | HDF_SORTDOWN)) == 0) continue;
    std::printf("%d %s\n", i + 1, (format & HDF_SORTDOWN) != 0 ? "down" : "up");
    return 0;
  }
  std::printf("none\n");
  return 0;
}

int EscWhenShown(const std::wstring& shown, DWORD watchMs, DWORD timeoutMs) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  const std::wstring cancelled = tarnwick::ToWide(tarnwick::kCancelledText);
  const std::wstring completed = tarnwick::ToWide(tarnwick::kCompletionPrefix);
  HWND main = nullptr;
  std::wstring last;
  while (last.find(shown) == std::wstring::npos) {
    if (::GetTickCount64() > end || last.rfind(completed, 0) == 0) {
      std::fprintf(stderr, "never saw the text looked for; status: %s\n", ToUtf8(FromWide(last)).c_str());
      return 1;
    }
    ::Sleep(5);
    main = FindMainWindow();
    if (main != nullptr) last = StatusText(main);
  }
  ULONGLONG slowest = 0;
  for (const ULONGLONG watched = ::GetTickCount64() + watchMs; ::GetTickCount64() < watched; ::Sleep(20)) {
    slowest = std::max(slowest, AnswerMilliseconds(main));
  }
  const ULONGLONG pressed = ::GetTickCount64();
  if (PressEsc() != 0) return 1;
  while (last != cancelled) {
    if (::GetTickCount64() > end || last.rfind(completed, 0) == 0) {
      std::fprintf(stderr, "Esc was not honoured; status: %s\n", ToUtf8(FromWide(last)).c_str());
      return 1;
    }
    slowest = std::max(slowest, AnswerMilliseconds(main));
    last = StatusText(main);
  }
  std::printf("cancelled_ms=%llu slowest_answer_ms=%llu\n", ::GetTickCount64() - pressed, slowest);
  return 0;
}

// Taps a key that asks for the window menu's keyboard mode (alt, f10 or
// shift-f10) during a run, through the system's input queue as a user's
// keyboard would. A run held by that mode leaves panel 1 standing: for 2.5
// seconds it must keep changing, never still for 1.5, or complete.
// Prints the last text seen.
int TapMenuKey(const std::wstring& key) {
  HWND main = FindMainWindow();
  const std::wstring counting = tarnwick::ToWide(tarnwick::kFolderProgressInfix);
  std::wstring seen = main ? StatusText(main) : L"";
  if (seen.find(counting) == std::wstring::npos || (key != L"alt" && key != L"f10" && key != L"shift-f10")) return 1;
  ::SetForegroundWindow(main);
  std::vector<INPUT> inputs;
  const auto stroke = [&inputs](WORD code, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  const WORD code = key == L"alt" ? VK_MENU : VK_F10;
  if (key == L"shift-f10") stroke(VK_SHIFT, 0);
  stroke(code, 0);
  stroke(code, KEYEVENTF_KEYUP);
  if (key == L"shift-f10") stroke(VK_SHIFT, KEYEVENTF_KEYUP);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  const ULONGLONG end = ::GetTickCount64() + 2500;
  ULONGLONG changed = ::GetTickCount64();
  while (::GetTickCount64() < end && ::GetTickCount64() - changed < 1500 && seen.find(counting) != std::wstring::npos) {
    ::Sleep(10);
    const std::wstring now = StatusText(main);
    if (now != seen) changed = ::GetTickCount64();
    seen = now;
  }
  std::printf("%s\n", ToUtf8(FromWide(seen)).c_str());
  const bool completed = seen.rfind(tarnwick::ToWide(tarnwick::kCompletionPrefix), 0) == 0;
  return completed || ::GetTickCount64() - changed < 1500 ? 0 : 1;
}

// Keeps Wine's desktop open while a test starts the program again and again
// (see e2e-session.sh).
// The caption of Command1, read across processes; empty while the window
// does not answer.
std::wstring Command1Caption(HWND main) {
  wchar_t buffer[64] = {};
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(::GetDlgItem(main, tarnwick::kIdCommand1), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 2000, &result);
  return buffer;
}

// Waits until Command1 reads `caption`; false when the time ran out.
bool WaitCaption(HWND main, const char16_t* caption, ULONGLONG end) {
  const std::wstring wanted = tarnwick::ToWide(caption);
  while (Command1Caption(main) != wanted) {
    if (::GetTickCount64() > end) return false;
    ::Sleep(10);
  }
  return true;
}

// Writes `root` into the root box, presses "Search" and waits until the
// button reads "Cancel" (the root is being checked or searched).
int Search(const std::wstring& root, DWORD timeoutMs) {
  HWND main = FindMainWindow();
  if (main == nullptr) return 1;
  ::SendMessageW(::GetDlgItem(main, tarnwick::kIdText1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(root.c_str()));
  ::PostMessageW(::GetDlgItem(main, tarnwick::kIdCommand1), BM_CLICK, 0, 0);
  return WaitCaption(main, tarnwick::kCancelCaption, ::GetTickCount64() + timeoutMs) ? 0 : 1;
}

// Presses Esc and waits until the button reads "Search" again; prints the
// milliseconds that took.
int EscUntilIdle(DWORD timeoutMs) {
  HWND main = FindMainWindow();
  const ULONGLONG esc = ::GetTickCount64();
  if (main == nullptr || PressEsc() != 0 || !WaitCaption(main, tarnwick::kSearchCaption, esc + timeoutMs)) return 1;
  std::printf("idle_ms=%llu\n", ::GetTickCount64() - esc);
  return 0;
}

// The program's threads, handles and working set, as the system counts them.
int PrintProcessStats() {
  HWND main = FindMainWindow();
  DWORD pid = 0;
  if (main == nullptr || ::GetWindowThreadProcessId(main, &pid) == 0) return 1;
  tarnwick::UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
  if (!process) return 1;
  DWORD handles = 0;
  ::GetProcessHandleCount(process.get(), &handles);
  PROCESS_MEMORY_COUNTERS memory{};
  ::K32GetProcessMemoryInfo(process.get(), &memory, sizeof memory);
  int threads = 0;
  tarnwick::UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Thread32First(snapshot.get(), &entry); more; more = ::Thread32Next(snapshot.get(), &entry)) {
    threads += entry.th32OwnerProcessID == pid ? 1 : 0;
  }
  std::printf("threads=%d handles=%lu working_set_kb=%zu\n", threads, handles, memory.WorkingSetSize / 1024);
  return 0;
}

int HoldDesktop() {
  if (::GetDesktopWindow() == nullptr) return 1;
  std::printf("holding the desktop\n");
  std::fflush(stdout);
  ::Sleep(INFINITE);
  return 0;
}

int CloseWindow() {
  HWND main = FindMainWindow();
  if (main == nullptr) return 1;
  ::PostMessageW(main, WM_CLOSE, 0, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"wait-status" && argc == 4) return WaitStatus(argv[2], static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"wait" && argc == 4) return WaitNamed(argv[2], static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"rows" && argc == 3) return DumpRows(argv[2]);
  if (command == L"column" && argc == 4) return DumpColumn(argv[2], argv[3]);
  if (command == L"panel2") return PrintPanel2();
  if (command == L"header" && argc == 3) return ClickHeader(_wtoi(argv[2]));
  if (command == L"header-in-root-files" && argc == 4) {
    return HeaderInRootFiles(_wtoi(argv[2]), static_cast<DWORD>(_wtoi(argv[3])));
  }
  if (command == L"arrow") return PrintArrow();
  if (command == L"esc") return PressEsc();
  if (command == L"process-stats") return PrintProcessStats();
  if (command == L"search" && argc == 4) return Search(argv[2], static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"search-then-esc" && argc == 4) {
    const DWORD timeoutMs = static_cast<DWORD>(_wtoi(argv[3]));
    return Search(argv[2], timeoutMs) != 0 ? 1 : EscUntilIdle(timeoutMs);
  }
  if (command == L"esc-until-idle" && argc == 3) return EscUntilIdle(static_cast<DWORD>(_wtoi(argv[2])));
  if (command == L"esc-in-root-files" && argc == 3) {
    return EscWhenShown(tarnwick::ToWide(tarnwick::kRootFileProgressSuffix), 0, static_cast<DWORD>(_wtoi(argv[2])));
  }
  if (command == L"esc-when-shown" && argc == 5) {
    return EscWhenShown(argv[2], static_cast<DWORD>(_wtoi(argv[3])), static_cast<DWORD>(_wtoi(argv[4])));
  }
  if (command == L"menu-key" && argc == 3) return TapMenuKey(argv[2]);
  if (command == L"close") return CloseWindow();
  if (command == L"double-click" && argc == 3) return ClickRow(argv[2], 2);
  if (command == L"click" && argc == 3) return ClickRow(argv[2], 1);
  if (command == L"go-up") return ClickButton(tarnwick::kIdCommand4);
  if (command == L"option" && argc == 3) return ClickButton(tarnwick::kIdOption1_0 + _wtoi(argv[2]));
  if (command == L"columns") return PrintColumns();
  if (command == L"resize" && argc == 4) return Resize(_wtoi(argv[2]), _wtoi(argv[3]));
  if (command == L"copy" && argc >= 4) return TypeKeys(argc - 3, argv + 2, argv[argc - 1]);
  if (command == L"keys" && argc >= 3) return TypeKeys(argc - 2, argv + 2, nullptr);
  if (command == L"hold-desktop") return HoldDesktop();
  std::fprintf(stderr,
               "usage: window_probe wait-status PREFIX TIMEOUT_MS | wait WHAT TIMEOUT_MS | rows FILE | panel2 | "
               "header N | esc | esc-in-root-files TIMEOUT_MS | esc-when-shown TEXT WATCH_MS TIMEOUT_MS | menu-key KEY | close | double-click NAME | go-up | "
               "hold-desktop | click NAME | option N | columns | resize W H | copy KEY... FILE | keys KEY...\n");
  return 2;
}
