#pragma once
// The events of the main window's controls, as the Win32 window delivers
// them. In the program they go to Form1's handlers (Form1Events); the tests
// of the window record them instead.
#include "app/Form1.h"

namespace tarnwick {

class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void Command1_Click() = 0;
  virtual void Command2_Click() = 0;
  virtual void Command4_Click() = 0;
  virtual void Check1_Click() = 0;
  virtual void Option1_Click(int index) = 0;
  virtual void Form_QueryUnload() = 0;
};

class Form1Events final : public FormEvents {
 public:
  explicit Form1Events(Form1& form) : form_(form) {}
  void Command1_Click() override { form_.Command1_Click(); }
  void Command2_Click() override { form_.Command2_Click(); }
  void Command4_Click() override { form_.Command4_Click(); }
  void Check1_Click() override { form_.Check1_Click(); }
  void Option1_Click(int index) override { form_.Option1_Click(index); }
  void Form_QueryUnload() override { form_.Form_QueryUnload(); }

 private:
  Form1& form_;
};

}  // namespace tarnwick
