#include "window/Win32MainWindow.h"

#include "window/Win32Pictures.h"
#include "window/Win32UiFont.h"
#include "window/Win32WindowClass.h"
#include "base/Win32Text.h"

namespace tarnwick {

Win32MainWindow::Win32MainWindow(Win32MessageLoop& loop, int showCommand) : loop_(loop), showCommand_(showCommand) {}

Win32MainWindow::~Win32MainWindow() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

bool Win32MainWindow::Create(FormEvents& events, ListModel& rows) {
  events_ = &events;
  rows_ = &rows;
  if (!RegisterWindowClass(kWindowClassName)) return false;
  const std::wstring caption = ToWide(kAppTitle);
  // The size is set once the window knows the DPI of its monitor.
  ::CreateWindowExW(0, ToWide(kWindowClassName).c_str(), caption.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                    ::GetModuleHandleW(nullptr), CreationParameter());
  if (hwnd_ == nullptr) return false;
  Form_Load();
  return true;
}

LRESULT Win32MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = hwnd_;  // OnNcDestroy forgets it
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam));
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case DM_GETDEFID:
      return OnGetDefId();
    case WM_SYSCOMMAND:
      if (OnSysCommand(wParam)) return 0;
      break;
    case kSyncListMessage:
      list_.OnSync();
      return 0;
    case kListReleaseMessage:
      OnListRelease(wParam, lParam);
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
      return 0;
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    case kDropMessage:
      OnDropped();
      return 0;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_WINDOWPOSCHANGING:
      OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool Win32MainWindow::OnCreate() {
  dpi_ = static_cast<int>(::GetDpiForWindow(hwnd_));
  if (dpi_ <= 0) dpi_ = kDefaultDpi;
  font_ = CreateUiFont(dpi_);
  if (!CreateControls()) return false;
  CreateToolTip();
  CreateMenus();
  ApplyFont();
  LoadPictures();
  list_.Attach(ControlWindow(DesignedControl::ListView1), *rows_, hwnd_, kSyncListMessage, kListFlushTimer);
  list_.AddColumns(dpi_);
  statusPanel_.Attach(ControlWindow(DesignedControl::StatusBar1), hwnd_, kStatusFrameTimer);
  listInput_.Attach(ControlWindow(DesignedControl::ListView1), hwnd_, kListReleaseMessage,
                    [this](std::int16_t keyCode, std::int16_t shift) { OnListKeyDown(keyCode, shift); });
  imageList1_ = CreateImageList1(dpi_);
  lastFocus_ = ControlWindow(DesignedControl::ListView1);
  // The two controls take drops; the rest of the window refuses them.
  listView1Drop_.Register(ControlWindow(DesignedControl::ListView1), *this);
  text1Drop_.Register(ControlWindow(DesignedControl::Text1), *this);
  loop_.SetDialogWindow(hwnd_);
  SizeClientArea();
  return true;
}

void Win32MainWindow::Form_Load() { list_.SetSmallImages(imageList1_.get()); }

void Win32MainWindow::OnSize(UINT type) {
  // A minimised window keeps its layout for when it is restored.
  if (type == SIZE_MINIMIZED) return;
  Form_Resize();
}

void Win32MainWindow::Form_Resize() {
  HWND status = ControlWindow(DesignedControl::StatusBar1);
  HWND list = ControlWindow(DesignedControl::ListView1);
  if (status == nullptr || list == nullptr) return;
  // The status bar docks itself along the bottom edge when told of the size.
  ::SendMessageW(status, WM_SIZE, 0, 0);
  LayoutStatusPanels();
  RECT client;
  ::GetClientRect(hwnd_, &client);
  RECT statusRect;
  ::GetWindowRect(status, &statusRect);
  RECT listRect;
  ::GetWindowRect(list, &listRect);
  ::MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&listRect), 2);
  const PixelRect bounds =
      ListView1Bounds(client.right, client.bottom, listRect.top, statusRect.bottom - statusRect.top);
  ::SetWindowPos(list, nullptr, bounds.left, bounds.top, bounds.width, bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
  list_.LayoutColumns();
  StretchText1(client.right);
}

void Win32MainWindow::OnCommand(int id, int code) {
  if (events_ == nullptr) return;
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case kIdCommand1:
      if (clicked) events_->Command1_Click(PressTime());
      break;
    case kIdCommand2:
      if (clicked) events_->Command2_Click();
      break;
    case kIdCommand4:
      if (clicked) events_->Command4_Click();
      break;
    case kIdCheck1:
      if (clicked) events_->Check1_Click();
      break;
    case kIdOption1_0:
    case kIdOption1_1:
    case kIdOption1_2:
      if (clicked) OnOption1Click(id - kIdOption1_0);
      break;
    case IDCANCEL:
      OnEscapeKey();
      break;
  }
}

LRESULT Win32MainWindow::OnNotify(NMHDR& header) {
  // Tool tips put a window handle in idFrom, so the sender is told by handle.
  if (header.hwndFrom != nullptr && header.hwndFrom == ControlWindow(DesignedControl::ListView1)) {
    return OnListNotify(header);
  }
  if (header.hwndFrom != nullptr && header.hwndFrom == ControlWindow(DesignedControl::StatusBar1) &&
      header.code == NM_CLICK) {
    OnStatusBarClick(reinterpret_cast<NMMOUSE&>(header));
    return 0;
  }
  HWND list = ControlWindow(DesignedControl::ListView1);
  if (header.hwndFrom != nullptr && list != nullptr && header.hwndFrom == ListView_GetHeader(list)) {
    return list_.OnHeaderNotify(reinterpret_cast<NMHEADERW&>(header));
  }
  return 0;
}

void Win32MainWindow::OnStatusBarClick(const NMMOUSE& click) {
  // The status bar numbers its panels from 0; a click beside them gives -1.
  const auto panel = static_cast<LONG_PTR>(click.dwItemSpec);
  if (events_ != nullptr && panel >= 0 && panel < 2) events_->StatusBar1_PanelClick(static_cast<int>(panel) + 1);
}

bool Win32MainWindow::OnSetCursor(HWND over, int hitTest) {
  HWND status = ControlWindow(DesignedControl::StatusBar1);
  if (over == nullptr || over != status || hitTest != HTCLIENT || status2_.empty()) return false;
  // The second panel is sized to its text, so over the panel is over the text.
  RECT panel{};
  POINT pointer{};
  if (!::SendMessageW(status, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&panel)) || !::GetCursorPos(&pointer) ||
      !::ScreenToClient(status, &pointer) || !::PtInRect(&panel, pointer)) {
    return false;
  }
  ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
  return true;
}

LRESULT Win32MainWindow::OnListNotify(NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOW:
      list_.OnGetDispInfo(reinterpret_cast<NMLVDISPINFOW&>(header));
      break;
    case LVN_ITEMCHANGED:
      list_.OnItemChanged(reinterpret_cast<NMLISTVIEW&>(header));
      break;
    case LVN_ODFINDITEMW:
      return list_.OnFindItem(reinterpret_cast<NMLVFINDITEMW&>(header));
    case NM_CUSTOMDRAW:
      return list_.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    case LVN_GETINFOTIPW:
      list_.OnGetInfoTip(reinterpret_cast<NMLVGETINFOTIPW&>(header));
      break;
    case NM_DBLCLK:
      if (events_ != nullptr) events_->ListView1_DblClick();
      break;
    case LVN_COLUMNCLICK:
      // The list view counts its columns from 0, the handler from 1.
      if (events_ != nullptr) events_->ListView1_ColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem + 1);
      break;
  }
  return 0;
}

void Win32MainWindow::OnClose() {
  // The close is never refused. During a search the window goes at once;
  // the search winds down on its own and then unloads what is left.
  if (events_ != nullptr) events_->Form_QueryUnload();
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

void Win32MainWindow::OnTimer(UINT_PTR id) {
  if (id == kListFlushTimer) list_.Flush();
  if (id == kStatusFrameTimer) statusPanel_.OnTimer();
}

void Win32MainWindow::OnDestroy() {
  listView1Drop_.Revoke();
  text1Drop_.Revoke();
  drops_.clear();
  listInput_.Detach();
  list_.Detach();
  statusPanel_.Detach();
  loop_.SetDialogWindow(nullptr);
  // The program ends with its one window.
  ::PostQuitMessage(0);
}

void Win32MainWindow::OnNcDestroy() {
  ForgetWindow();
  controls_.fill(nullptr);
  toolTip_ = nullptr;
  lastFocus_ = nullptr;
}

void Win32MainWindow::OnActivate(bool active) {
  // A plain window does not remember its focused control as a dialog does.
  if (active) {
    const bool usable = lastFocus_ != nullptr && ::IsWindowEnabled(lastFocus_);
    ::SetFocus(usable ? lastFocus_ : ControlWindow(DesignedControl::ListView1));
  } else {
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
  }
}

void Win32MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0 || dpi == dpi_) return;
  const int oldDpi = dpi_;
  dpi_ = dpi;
  UniqueFont oldFont = std::move(font_);
  font_ = CreateUiFont(dpi_);
  ApplyFont();
  LoadPictures();
  UniqueImageList oldImages = std::move(imageList1_);
  imageList1_ = CreateImageList1(dpi_);
  list_.SetSmallImages(imageList1_.get());
  list_.RescaleColumns(oldDpi, dpi_);
  LayoutControls();
  ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Form_Resize();
}

LRESULT Win32MainWindow::OnGetDefId() const {
  // The dialog manager presses this button on Enter; with no default button
  // it sends IDOK, which nothing answers.
  return command1Default_ ? MAKELRESULT(kIdCommand1, DC_HASDEFID) : 0;
}

bool Win32MainWindow::OnSysCommand(WPARAM command) {
  // Alt or F10 alone asks for the window menu's keyboard mode, a loop that
  // waits for the next key. Entered from inside a search's yield it would
  // hold the search until then, so during a search those keys do nothing.
  return (command & 0xFFF0) == SC_KEYMENU && events_ != nullptr && events_->SearchRunning();
}

void Win32MainWindow::OnOption1Click(int index) {
  UpdateOption1TabStop();
  events_->Option1_Click(index);
}

bool Win32MainWindow::TakesDrops() { return events_ != nullptr && events_->TakesDrops(); }

void Win32MainWindow::Dropped(DroppedFiles data) {
  // The source's drag waits until the drop target returns: the question and
  // the search that follow a drop come after, so that a file manager is not
  // held for as long as they last.
  drops_.push_back(std::move(data));
  if (!::PostMessageW(hwnd_, kDropMessage, 0, 0)) drops_.pop_back();
}

void Win32MainWindow::OnDropped() {
  if (drops_.empty() || events_ == nullptr) return;
  DroppedFiles data = std::move(drops_.front());
  drops_.pop_front();
  events_->DropFile(data);
}
std::uint64_t Win32MainWindow::PressTime() const { return loop_.InputTime().value_or(::GetTickCount64()); }

void Win32MainWindow::OnEscapeKey() {
  HWND command1 = ControlWindow(DesignedControl::Command1);
  if (command1Cancel_ && events_ != nullptr && ::IsWindowEnabled(command1)) {
    events_->Command1_Click(PressTime());
  }
}

}  // namespace tarnwick
