// Drags data onto a running Tarnwick window from another process, with real
// mouse input, the way a file manager or a text editor would, and answers the
// message boxes that follow. Used by the drag-and-drop end-to-end test.
//
//   drop_driver drag SPOTS files NAME...   drags a file list (CF_HDROP)
//   drop_driver drag SPOTS text TEXT       drags plain text (CF_UNICODETEXT)
//       SPOTS is a comma-separated list of places the pointer visits in turn
//       and releases the button over the last: list (the result list), root
//       (the root box), window (a bare part of Tarnwick's window), outside.
//       Prints "over=E1,E2,... returned=E result=drop|cancel": the effect
//       shown at each spot and the effect DoDragDrop returned. The source
//       allows copy, move and link, as a file manager does.
//   drop_driver box yes|no|ok              waits for Tarnwick's message box,
//       prints its text and presses the button
//   drop_driver state                      once no message box is up and the
//       window has handled what it was sent, prints the root box and the
//       status bar, one per line
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "window/PublicTexts.h"
#include "base/Text.h"
#include "base/Win32Text.h"

namespace {

using tarnwick::FromWide;
using tarnwick::ToUtf8;

void PrintLine(const std::wstring& text) { std::printf("%s\n", ToUtf8(FromWide(text)).c_str()); }

HWND FindMainWindow() { return ::FindWindowW(tarnwick::ToWide(tarnwick::kWindowClassName).c_str(), nullptr); }

// A message box of the program: a dialog captioned with the program's title.
HWND FindMessageBox() { return ::FindWindowW(L"#32770", tarnwick::ToWide(tarnwick::kAppTitle).c_str()); }

std::wstring WindowText(HWND window) {
  wchar_t buffer[32768] = {};
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, 32768, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                        &result);
  return buffer;
}

// --- the dragged data

class DataObject final : public IDataObject {
 public:
  DataObject(CLIPFORMAT format, std::vector<char> bytes) : bytes_(std::move(bytes)) {
    format_ = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDataObject) {
      *out = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
    if (memory == nullptr) return E_OUTOFMEMORY;
    std::memcpy(::GlobalLock(memory), bytes_.data(), bytes_.size());
    ::GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    if (format == nullptr) return E_INVALIDARG;
    const bool same = format->cfFormat == format_.cfFormat && (format->tymed & TYMED_HGLOBAL) != 0 &&
                      format->dwAspect == DVASPECT_CONTENT;
    return same ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out != nullptr) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    return ::SHCreateStdEnumFmtEtc(1, &format_, out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  ~DataObject() = default;
  LONG refs_ = 1;
  FORMATETC format_{};
  std::vector<char> bytes_;
};

std::vector<char> FileListBytes(const std::vector<std::wstring>& names) {
  std::wstring all;
  for (const std::wstring& name : names) {
    all += name;
    all += L'\0';
  }
  all += L'\0';
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::vector<char> bytes(sizeof header + all.size() * sizeof(wchar_t));
  std::memcpy(bytes.data(), &header, sizeof header);
  std::memcpy(bytes.data() + sizeof header, all.data(), all.size() * sizeof(wchar_t));
  return bytes;
}

std::vector<char> TextBytes(const std::wstring& text) {
  std::vector<char> bytes((text.size() + 1) * sizeof(wchar_t));
  std::memcpy(bytes.data(), text.c_str(), bytes.size());
  return bytes;
}

// --- real mouse input

void SendMouse(POINT at, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = ::MulDiv(at.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = ::MulDiv(at.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof input);
}

void MoveTo(POINT at) {
  ::SetCursorPos(at.x, at.y);
  SendMouse(at, 0);
}

bool SamePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

// The drag's own loop asks the source at every mouse event and timer tick
// whether to go on; the source answers and, from there, takes the next step
// of its route. It moves to a spot, waits for the state change evaluated
// there to report the target's effect, then goes on; after the last spot it
// lets go of the button. Every step thus follows what the drag loop has seen.
class RouteSource final : public IDropSource {
 public:
  explicit RouteSource(std::vector<POINT> route) : route_(std::move(route)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropSource) {
      *out = static_cast<IDropSource*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    // A drag that never got anywhere (some ten seconds of timer ticks) is
    // given up rather than left hanging.
    if (escape || ++calls_ > 100) return DRAGDROP_S_CANCEL;
    if ((keys & MK_LBUTTON) == 0) return DRAGDROP_S_DROP;
    POINT now{};
    ::GetCursorPos(&now);
    if (next_ < route_.size()) {
      if (!moving_) {
        MoveTo(route_[next_]);
        moving_ = true;
      } else if (SamePoint(now, route_[next_])) {
        awaitingFeedback_ = true;
      }
    } else if (!released_) {
      SendMouse(route_.back(), MOUSEEVENTF_LEFTUP);
      released_ = true;
    }
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    if (awaitingFeedback_) {
      shown_.push_back(effect);
      ++next_;
      moving_ = false;
      awaitingFeedback_ = false;
    }
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }

  const std::vector<DWORD>& Shown() const { return shown_; }

 private:
  ~RouteSource() = default;
  LONG refs_ = 1;
  std::vector<POINT> route_;
  size_t next_ = 0;
  bool moving_ = false;
  bool awaitingFeedback_ = false;
  bool released_ = false;
  int calls_ = 0;
  std::vector<DWORD> shown_;
};

// --- places on Tarnwick's window

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

bool SpotOf(HWND main, const std::wstring& name, POINT& at) {
  RECT r{};
  if (name == L"list" || name == L"root") {
    HWND control = ::FindWindowExW(main, nullptr, name == L"list" ? WC_LISTVIEWW : L"Edit", nullptr);
    if (control == nullptr || !::GetWindowRect(control, &r)) return false;
    at = Centre(r);
    // Below the list's header, on its rows' area.
    if (name == L"list") at.y = r.top + (r.bottom - r.top) * 2 / 3;
    return ::WindowFromPoint(at) == control;
  }
  if (name == L"window") {
    // Right of the root box, where the window shows no control.
    HWND root = ::FindWindowExW(main, nullptr, L"Edit", nullptr);
    if (root == nullptr || !::GetWindowRect(root, &r)) return false;
    at = POINT{r.right + 30, (r.top + r.bottom) / 2};
    return ::WindowFromPoint(at) == main;
  }
  if (name == L"outside") {
    if (!::GetWindowRect(main, &r)) return false;
    at = POINT{r.right + 40, r.top + 40};
    HWND there = ::WindowFromPoint(at);
    return there == nullptr || there == ::GetDesktopWindow();
  }
  return false;
}

struct Drag {
  IDataObject* data = nullptr;
  RouteSource* source = nullptr;
  HRESULT result = E_FAIL;
  DWORD effect = DROPEFFECT_NONE;
};
Drag* g_drag = nullptr;

// The drag starts where a real one does: in the source's window, on the
// button press.
LRESULT CALLBACK SourceWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN && g_drag != nullptr) {
    g_drag->result = ::DoDragDrop(g_drag->data, g_drag->source,
                                  DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &g_drag->effect);
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

int DragOnto(const std::wstring& spots, const std::wstring& kind, int count, wchar_t** values) {
  HWND main = FindMainWindow();
  if (main == nullptr) {
    std::fprintf(stderr, "no Tarnwick window\n");
    return 1;
  }
  std::vector<POINT> route;
  size_t from = 0;
  while (from <= spots.size()) {
    size_t comma = spots.find(L',', from);
    if (comma == std::wstring::npos) comma = spots.size();
    POINT at{};
    if (!SpotOf(main, spots.substr(from, comma - from), at)) {
      PrintLine(L"spot not found or covered: " + spots.substr(from, comma - from));
      return 1;
    }
    route.push_back(at);
    from = comma + 1;
  }

  std::vector<char> bytes;
  CLIPFORMAT format = 0;
  if (kind == L"files") {
    std::vector<std::wstring> names(values, values + count);
    bytes = FileListBytes(names);
    format = CF_HDROP;
  } else if (kind == L"text" && count == 1) {
    bytes = TextBytes(values[0]);
    format = CF_UNICODETEXT;
  } else {
    return 2;
  }

  WNDCLASSW wc{};
  wc.lpfnWndProc = SourceWindowProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TarnwickDragSource";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  ::RegisterClassW(&wc);
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  HWND own = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                               width - 80, height - 80, 60, 60, nullptr, nullptr, wc.hInstance, nullptr);
  if (own == nullptr) return 1;
  ::UpdateWindow(own);
  const POINT start{width - 50, height - 50};
  if (::WindowFromPoint(start) != own) {
    std::fprintf(stderr, "the drag's starting point is covered\n");
    return 1;
  }

  Drag drag;
  drag.data = new DataObject(format, std::move(bytes));
  drag.source = new RouteSource(route);
  g_drag = &drag;
  MoveTo(start);
  SendMouse(start, MOUSEEVENTF_LEFTDOWN);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  g_drag = nullptr;

  std::wstring line = L"over=";
  for (size_t i = 0; i < drag.source->Shown().size(); ++i) {
    if (i > 0) line += L',';
    line += std::to_wstring(drag.source->Shown()[i]);
  }
  line += L" returned=" + std::to_wstring(drag.effect);
  line += drag.result == DRAGDROP_S_DROP     ? L" result=drop"
          : drag.result == DRAGDROP_S_CANCEL ? L" result=cancel"
                                             : L" result=failed";
  PrintLine(line);
  drag.data->Release();
  drag.source->Release();
  ::DestroyWindow(own);
  return drag.result == DRAGDROP_S_DROP || drag.result == DRAGDROP_S_CANCEL ? 0 : 1;
}

int AnswerBox(const std::wstring& answer) {
  const int button = answer == L"yes" ? IDYES : answer == L"no" ? IDNO : answer == L"ok" ? IDOK : 0;
  if (button == 0) return 2;
  const ULONGLONG end = ::GetTickCount64() + 60000;
  while (::GetTickCount64() < end) {
    if (HWND box = FindMessageBox()) {
      HWND text = ::GetDlgItem(box, 0xFFFF);
      HWND press = ::GetDlgItem(box, button);
      if (text != nullptr && press != nullptr) {
        PrintLine(WindowText(text));
        ::SendMessageW(press, BM_CLICK, 0, 0);
        return 0;
      }
    }
    ::Sleep(20);
  }
  std::fprintf(stderr, "no message box\n");
  return 1;
}

int PrintState() {
  HWND main = FindMainWindow();
  if (main == nullptr) return 1;
  const ULONGLONG end = ::GetTickCount64() + 60000;
  while (FindMessageBox() != nullptr) {
    if (::GetTickCount64() > end) return 1;
    ::Sleep(20);
  }
  // Answered once the window's thread has handled everything sent before it.
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 60000, &result);
  PrintLine(WindowText(::FindWindowExW(main, nullptr, L"Edit", nullptr)));
  PrintLine(WindowText(::FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr)));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"drag" && argc >= 5) {
    // OLE drag and drop wants a single-threaded apartment; uninitialised
    // only when it was initialised here.
    const HRESULT ole = ::OleInitialize(nullptr);
    const int code = DragOnto(argv[2], argv[3], argc - 4, argv + 4);
    if (SUCCEEDED(ole)) ::OleUninitialize();
    return code;
  }
  if (command == L"box" && argc == 3) return AnswerBox(argv[2]);
  if (command == L"state" && argc == 2) return PrintState();
  std::fprintf(stderr,
               "usage: drop_driver drag SPOTS files NAME... | drag SPOTS text TEXT | box yes|no|ok | state\n");
  return 2;
}
