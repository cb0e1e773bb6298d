#pragma once
// The events of the main window's controls, as the Win32 window delivers
// them. In the program they go to Form1's handlers (Form1Events); the tests
// of the window record them instead.
#include <cstdint>

#include "nav/Drop.h"

namespace tarnwick {

class FormEvents {
 public:
  virtual ~FormEvents() = default;
  // Pressed at `madeAt`, on the clock of the window, by the input that
  // pressed it (a press not made by input: the time it was handled).
  virtual void Command1_Click(std::uint64_t madeAt) = 0;
  virtual void Command2_Click() = 0;
  virtual void Command4_Click() = 0;
  virtual void Check1_Click() = 0;
  virtual void Option1_Click(int index) = 0;
  virtual void ListView1_ColumnClick(int index) = 0;  // 1 for the first header
  virtual void Form_QueryUnload() = 0;
  virtual void DropFile(DropData& data) = 0;  // a drop on ListView1 or Text1
  // What the window asks before it acts on its own: whether a drop now
  // would be taken, and whether a search is running under its messages.
  virtual bool TakesDrops() = 0;
  virtual bool SearchRunning() = 0;
  virtual void StatusBar1_PanelClick(int index) = 0;  // panels from 1
  virtual void ListView1_MouseUp(std::int16_t Button, std::int16_t Shift, float x, float y) = 0;
  virtual void ListView1_DblClick() = 0;
  virtual void ListView1_KeyDown(std::int16_t KeyCode, std::int16_t Shift) = 0;
  virtual void ListView1_ContextMenu() = 0;
};

}  // namespace tarnwick
