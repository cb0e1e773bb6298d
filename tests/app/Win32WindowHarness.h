#pragma once
// Helpers for testing the real main window in-process: a window with its
// events recorded, key presses through the loop's own pre-translation, and a
// thread timer that answers message boxes from inside their modal loop.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "window/Win32MainWindow.h"
#include "window/Win32MessageLoop.h"

namespace tarnwick::testing {

struct RecordingEvents final : FormEvents {
  int command1 = 0;
  int command2 = 0;
  int command4 = 0;
  int check1 = 0;
  std::vector<int> option1;
  int queryUnloads = 0;
  std::vector<int> panelClicks;
  struct Release {
    std::int16_t button;
    std::int16_t shift;
    float x;
    float y;
  };
  std::vector<Release> releases;
  int doubleClicks = 0;
  size_t releasesAtDoubleClick = 0;
  std::vector<std::pair<std::int16_t, std::int16_t>> keys;  // key code, shift
  int contextMenus = 0;
  std::function<void()> onCommand1;
  std::uint64_t command1MadeAt = 0;
  void Command1_Click(std::uint64_t madeAt) override {
    ++command1;
    command1MadeAt = madeAt;
    if (onCommand1) onCommand1();
  }
  void Command2_Click() override { ++command2; }
  void Command4_Click() override { ++command4; }
  void Check1_Click() override { ++check1; }
  void Option1_Click(int index) override { option1.push_back(index); }
  std::vector<int> columnClicks;
  void ListView1_ColumnClick(int index) override { columnClicks.push_back(index); }
  void Form_QueryUnload() override { ++queryUnloads; }
  void DropFile(DropData&) override {}  // drops come from other processes: tests/e2e
  bool TakesDrops() override { return true; }
  bool SearchRunning() override { return false; }
  std::function<void(int)> onPanelClick;
  void StatusBar1_PanelClick(int index) override {
    panelClicks.push_back(index);
    if (onPanelClick) onPanelClick(index);
  }
  void ListView1_MouseUp(std::int16_t Button, std::int16_t Shift, float x, float y) override {
    releases.push_back({Button, Shift, x, y});
  }
  void ListView1_DblClick() override {
    ++doubleClicks;
    releasesAtDoubleClick = releases.size();
  }
  void ListView1_KeyDown(std::int16_t KeyCode, std::int16_t Shift) override { keys.emplace_back(KeyCode, Shift); }
  void ListView1_ContextMenu() override { ++contextMenus; }
};

// Registers the common controls once and leaves no WM_QUIT behind: the main
// window posts one when it goes, which would end the next test's pumps.
void PrepareThread();
void DiscardQuitMessages();
bool QuitMessageQueued();

// Runs every queued message through the loop.
void Drain(Win32MessageLoop& loop);
// Sends a key to the focused window (or the main window) the way the real
// loop would hand it on, then runs what it caused.
void PressKey(Win32MessageLoop& loop, HWND mainWindow, WPARAM key);

// The place of a child window in its parent's client area.
RECT ChildRect(HWND child);
Str TextOf(HWND window);

// A message box seen from inside its modal loop.
struct SeenBox {
  Str caption;
  Str text;
  HWND owner = nullptr;
  bool hasIcon = false;
  std::vector<int> buttons;  // IDOK, IDYES, IDNO... present
};

// While alive, a thread timer answers every message box of this thread with
// the given button (BM_CLICK) and records what it saw.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(int button);
  ~MessageBoxAnswerer();
  const std::vector<SeenBox>& seen() const { return seen_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  // A named callback, not a lambda: 32-bit Windows calls it __stdcall.
  static BOOL CALLBACK AnswerIfMessageBox(HWND window, LPARAM);
  static MessageBoxAnswerer* current_;
  UINT_PTR timer_ = 0;
  int button_;
  std::vector<SeenBox> seen_;
};

}  // namespace tarnwick::testing
