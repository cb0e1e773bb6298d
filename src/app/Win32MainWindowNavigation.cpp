// The hit test and the pop-up menus that the handlers of ListView1 ask for.
#include "app/Win32MainWindow.h"

namespace tarnwick {

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
