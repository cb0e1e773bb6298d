#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/Win32WindowHarness.h"
#include "list/ListModel.h"
#include "list/RowSorter.h"

namespace tarnwick::testing {

// A real main window, created and shown, whose events are recorded and whose
// list shows a model of the test's own.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareThread();
    window = std::make_unique<Win32MainWindow>(loop, SW_SHOWNORMAL);
    ASSERT_TRUE(window->Create(events, rows));
    window->Show();
    Drain(loop);
  }
  void TearDown() override {
    window.reset();
    DiscardQuitMessages();
  }

  HWND Main() const { return window->Handle(); }
  HWND Get(DesignedControl control) const { return window->ControlWindow(control); }

  Win32MessageLoop loop;
  RecordingEvents events;
  ListModel rows;
  RowSorter sorting{rows};
  std::unique_ptr<Win32MainWindow> window;
};

}  // namespace tarnwick::testing
