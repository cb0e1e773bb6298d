#pragma once
// The window behind the second status panel: the paths the last run could
// not read, one a line, with a Copy button; Ctrl+C copies them too and Esc
// closes it. Owned by the main window, so it goes with it and never hides
// behind it; one at a time.
#include <windows.h>

#include "window/FormView.h"
#include "window/Win32WindowClass.h"
#include "window/UnreadableReport.h"
#include "base/Win32GuiHandles.h"

namespace tarnwick {

class Win32UnreadableWindow final : public Win32ProgramWindow {
 public:
  // Copies go through `clipboard`'s SetClipboardText.
  explicit Win32UnreadableWindow(FormView& clipboard) : clipboard_(clipboard) {}
  ~Win32UnreadableWindow();
  Win32UnreadableWindow(const Win32UnreadableWindow&) = delete;
  Win32UnreadableWindow& operator=(const Win32UnreadableWindow&) = delete;

  // Opens the window, or brings the open one to the front, showing `report`;
  // a new one is sized for `dpi`.
  void Show(HWND owner, const UnreadableReport& report, int dpi);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool Create(HWND owner, int dpi);
  void Fill();
  void OnSize(int width, int height);
  void OnCommand(int id);
  // A key pressed in the list: true when it was this window's key.
  bool OnListKey(UINT key);
  void Copy();
  void OnNcDestroy();

  FormView& clipboard_;
  UnreadableReport report_;
  UniqueFont font_;
  HWND list_ = nullptr;
  HWND copy_ = nullptr;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
};

}  // namespace tarnwick
