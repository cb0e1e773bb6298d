#pragma once
// The window's events delivered to Form1's handlers.
#include "app/Form1.h"
#include "app/FormEvents.h"

namespace tarnwick {

class Form1Events final : public FormEvents {
 public:
  explicit Form1Events(Form1& form) : form_(form) {}
  void Command1_Click(std::uint64_t madeAt) override { form_.Command1_Click(madeAt); }
  void Command2_Click() override { form_.Command2_Click(); }
  void Command4_Click() override { form_.Command4_Click(); }
  void Check1_Click() override { form_.Check1_Click(); }
  void Option1_Click(int index) override { form_.Option1_Click(index); }
  void ListView1_ColumnClick(int index) override { form_.ListView1_ColumnClick(index); }
  void Form_QueryUnload() override { form_.Form_QueryUnload(); }
  void DropFile(DropData& data) override { form_.DropFile(data); }
  bool TakesDrops() override { return form_.TakesDrops(); }
  bool SearchRunning() override { return form_.Busy != 0; }
  void StatusBar1_PanelClick(int index) override { form_.StatusBar1_PanelClick(index); }
  void ListView1_MouseUp(std::int16_t Button, std::int16_t Shift, float x, float y) override {
    form_.ListView1_MouseUp(Button, Shift, x, y);
  }
  void ListView1_DblClick() override { form_.ListView1_DblClick(); }
  void ListView1_KeyDown(std::int16_t KeyCode, std::int16_t Shift) override { form_.ListView1_KeyDown(KeyCode, Shift); }
  void ListView1_ContextMenu() override { form_.ListView1_ContextMenu(); }

 private:
  Form1& form_;
};

}  // namespace tarnwick
