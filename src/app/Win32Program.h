#pragma once
// The program's objects and how they are wired: the message loop, the real
// file system, Form1 and its window.
#include <optional>

#include "app/Form1.h"
#include "app/Main.h"
#include "window/Win32MainWindow.h"
#include "window/Win32MessageLoop.h"
#include "list/Win32TextOrder.h"
#include "scan/Win32FileSystem.h"

namespace tarnwick {

class Win32Program final : public FormLoader {
 public:
  explicit Win32Program(int showCommand) : window_(loop_, showCommand) {}

  // Creates Form1 and its window; throws when the window cannot be created.
  Form1& LoadForm1() override;
  FormView& View() override { return window_; }

  // Start-up with the full command line, then the message loop until the
  // window is gone; returns the exit code.
  void Start(StrView fullCommandLine) { Main(fullCommandLine, *this); }
  int Run() { return loop_.Run(); }

  Win32MessageLoop& Loop() { return loop_; }
  Win32MainWindow& Window() { return window_; }
  Form1& Form() { return *form_; }

 private:
  static Win32FileSystem& Disk();

  Win32MessageLoop loop_;
  Win32TextOrder names_;
  // Declared before the window so that the window, which shows Form1's rows,
  // is destroyed first.
  std::optional<Form1> form_;
  Win32MainWindow window_;
};

}  // namespace tarnwick
