#include "app/Form1.h"
#include "list/ListExport.h"
#include "list/ResultColumns.h"
#include "scan/Path.h"
#include "nav/ListNavigation.h"

// Moving the root without typing: every action writes the new root into the
// root box and presses "Search", so the new root passes the same validation.

namespace tarnwick {

void Form1::Command4_Click() {
  if (run_.Busy()) {
    // Stop the run first; it goes up once it has ended.
    run_.RequestUp();
    Command1_Click();
    return;
  }
  GoUp();
}

void Form1::GoUp() {
  const std::optional<Str> parent = ParentRootText(view_.Text1());
  if (!parent) return;
  // The folder left behind is shown selected once the parent's run ends,
  // so that the user keeps their place.
  run_.SelectAfterRun(Str(BareName(view_.Text1())));
  SearchFor(*parent);
  // A press that started no run leaves nothing to select later.
  run_.SelectAfterRun(Str());
}

void Form1::ShowPlaceAfterRun() {
  const Str place = run_.TakePlaceAfterRun();
  const int row = place.empty() ? 0 : FolderRowNamed(list_, place);
  if (row != 0) list_.Select(row);
  // The list always shows where the keyboard is.
  if (list_.Count() > 0) view_.FocusListRow(list_.Selected() != 0 ? list_.Selected() : 1);
}

void Form1::Command2_Click() {
  // The root being checked is the root searched: the picker waits.
  if (run_.CheckingRoot()) return;
  const Str folder = view_.BrowseForFolder();
  if (folder.empty()) return;
  SearchFor(folder);
}

void Form1::ListView1_MouseUp(std::int16_t Button, std::int16_t Shift, float x, float y) {
  (void)Shift;
  // Recorded at every release, for the double-click that may follow.
  LastMouseButton = Button;
  LastMouseX = x;
  LastMouseY = y;
  if (run_.Busy() || Button != kRightButton) return;
  const int row = view_.ListHitTest(x, y);
  if (row == 0) {
    PopUp(PopupMenu::pop2, MenuPlace::Pointer());
    return;
  }
  if (!IsOpenableRow(list_, row)) return;
  // The menu acts on the selected row, so the row clicked becomes it
  // whether or not the list selected it when the button went down.
  list_.Select(row);
  PopUp(PopupMenu::pop1, MenuPlace::Pointer());
}

void Form1::ListView1_DblClick() {
  // What was released last, and where: not the place of the second press.
  // Only a left-button release leads to opening a row.
  if (run_.Busy() || LastMouseButton != kLeftButton) return;
  const int row = view_.ListHitTest(LastMouseX, LastMouseY);
  if (row == 0 || !IsOpenableRow(list_, row)) return;
  list_.Select(row);
  開いて検索_Click();
}

void Form1::ListView1_KeyDown(std::int16_t KeyCode, std::int16_t Shift) {
  // Copying only reads the rows, so it works during a run too.
  switch (ListKeyFor(KeyCode, Shift)) {
    case ListKey::GoUp:
      if (!run_.Busy()) つ上のフォルダを検索_Click();
      break;
    case ListKey::CopyPath:
      if (list_.Selected() != 0) view_.SetClipboardText(EntryPath(list_, list_.Selected()));
      break;
    case ListKey::CopyTable:
      view_.SetClipboardText(RowsAsTable(list_));
      break;
    case ListKey::SearchAgain:
      // The root as it stands in the box, through the one door of a search.
      if (!run_.Busy()) Command1_Click();
      break;
    case ListKey::None:
      break;
  }
}

void Form1::ListView1_ContextMenu() {
  // The keyboard's way to the menus of the mouse: the selected row stands
  // for the row under the pointer, no selection for the empty area.
  if (run_.Busy()) return;
  const int row = list_.Selected();
  if (row == 0) {
    PopUp(PopupMenu::pop2, MenuPlace::AtRow(0));
  } else if (IsOpenableRow(list_, row)) {
    PopUp(PopupMenu::pop1, MenuPlace::AtRow(row));
  }
}

void Form1::開いて検索_Click() {
  // Its callers decide which rows can be opened, and not during a run.
  const int row = list_.Selected();
  if (row == 0) return;
  SearchFor(list_.SubItem(row, kSubFullPath));
}

void Form1::つ上のフォルダを検索_Click() { GoUp(); }

void Form1::PopUp(PopupMenu menu, MenuPlace place) {
  if (!view_.ShowPopupMenu(menu, place)) return;
  if (menu == PopupMenu::pop1) {
    開いて検索_Click();
  } else {
    つ上のフォルダを検索_Click();
  }
}

}  // namespace tarnwick
