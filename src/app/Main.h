#pragma once
// Start-up: from the command line to the shown window.
#include "app/Form1.h"
#include "window/FormView.h"

namespace tarnwick {

// What start-up needs of the platform: Form1 created together with its
// window, the load handler run, the window not yet shown.
class FormLoader {
 public:
  virtual ~FormLoader() = default;
  virtual Form1& LoadForm1() = 0;
  virtual FormView& View() = 0;
};

// The program's entry once the platform is ready: takes the full command
// line (program name included), shows the window with the rest of the line in
// Text1 and searches it when it is not empty. Returns when the start-up
// search (if any) has returned; the platform's message loop runs after it.
void Main(StrView fullCommandLine, FormLoader& loader);

}  // namespace tarnwick
