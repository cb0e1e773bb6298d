#include "app/Form1.h"
#include "nav/GoUp.h"

// Moving the root without typing: every action writes the new root into the
// root box and presses "Search", so the new root passes the same validation.

namespace tarnwick {

void Form1::Command4_Click() {
  if (Busy) {
    // Stop the run first; it goes up once it has ended.
    UpPending = 1;
    Command1_Click();
    return;
  }
  GoUp();
}

void Form1::GoUp() {
  const std::optional<Str> parent = ParentRootText(view_.Text1());
  if (!parent) return;
  view_.SetText1(*parent);
  Command1_Click();
}

void Form1::Command2_Click() {
  const Str folder = view_.BrowseForFolder();
  if (folder.empty()) return;
  view_.SetText1(folder);
  C1C();
}

}  // namespace tarnwick
