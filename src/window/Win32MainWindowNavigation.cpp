// ListView1's releases, double-clicks and keys reach Form1's handlers, and
// the hit test and pop-up menus they ask for.
#include "window/Win32MainWindow.h"

#include <windowsx.h>

namespace tarnwick {

void Win32MainWindow::OnListRelease(WPARAM wParam, LPARAM lParam) {
  if (events_ == nullptr) return;
  const ListRelease release = Win32ListInput::ReadRelease(wParam, lParam);
  events_->ListView1_MouseUp(release.button, release.shift, release.x, release.y);
}

void Win32MainWindow::OnListKeyDown(std::int16_t keyCode, std::int16_t shift) {
  if (events_ != nullptr) events_->ListView1_KeyDown(keyCode, shift);
}

void Win32MainWindow::OnContextMenu(HWND source, LPARAM lParam) {
  // A context menu asked for with the mouse was shown at the release; only
  // the keyboard's request (the context-menu key, Shift+F10) comes this way.
  const bool fromKeyboard = GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1;
  if (events_ != nullptr && fromKeyboard && source == ControlWindow(DesignedControl::ListView1)) {
    events_->ListView1_ContextMenu();
  }
}

int Win32MainWindow::ListHitTest(float x, float y) {
  HWND list = ControlWindow(DesignedControl::ListView1);
  if (list == nullptr) return 0;
  // The rows on screen must be the model's rows at those positions.
  list_.Flush();
  LVHITTESTINFO hit{};
  hit.pt = {static_cast<LONG>(x), static_cast<LONG>(y)};
  const int index = ListView_HitTest(list, &hit);
  if (index < 0 || (hit.flags & LVHT_ONITEM) == 0 || rows_ == nullptr || index >= rows_->Count()) return 0;
  return index + 1;
}

POINT Win32MainWindow::MenuPoint(MenuPlace place) const {
  POINT point{};
  if (place.atPointer) {
    ::GetCursorPos(&point);
    return point;
  }
  // From the keyboard: just below the row's label, or below the column
  // headers when no row is meant, as a file manager's list places it.
  HWND list = ControlWindow(DesignedControl::ListView1);
  if (place.row > 0) {
    ListView_EnsureVisible(list, place.row - 1, FALSE);
    RECT label{};
    if (ListView_GetItemRect(list, place.row - 1, &label, LVIR_LABEL)) point = {label.left, label.bottom};
  } else {
    RECT header{};
    ::GetWindowRect(ListView_GetHeader(list), &header);
    point.y = header.bottom - header.top;
  }
  ::ClientToScreen(list, &point);
  return point;
}

bool Win32MainWindow::ShowPopupMenu(PopupMenu menu, MenuPlace place) {
  if (hwnd_ == nullptr) return false;
  const POINT at = MenuPoint(place);
  const bool first = menu == PopupMenu::pop1;
  // The command comes back as the result rather than as WM_COMMAND, so the
  // handler that showed the menu runs the chosen item.
  const UINT chosen = static_cast<UINT>(::TrackPopupMenu(first ? Pop1() : Pop2(),
                                                         TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                         at.x, at.y, 0, hwnd_, nullptr));
  return chosen == static_cast<UINT>(first ? kIdPop1Open : kIdPop2GoUp);
}

}  // namespace tarnwick
