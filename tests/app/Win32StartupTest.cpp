// Start-up of the real program: Form1 with its window, the command-line text
// in Text1, the window shown with its design values.
#include <gtest/gtest.h>

#include "app/Win32Program.h"
#include "app/Win32WindowHarness.h"
#include "base/Win32Text.h"

namespace tarnwick::testing {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override { PrepareThread(); }
  void TearDown() override { DiscardQuitMessages(); }

  // Starts the program as if with the given command line; a message box
  // that the start-up search raises for a text that is no folder is answered.
  static Str StartWith(Win32Program& program, const Str& commandLine) {
    MessageBoxAnswerer answer(IDOK);
    program.Start(commandLine);
    return TextOf(program.Window().ControlWindow(DesignedControl::Text1));
  }
};

TEST_F(StartupTest, Text1HoldsTheCommandLineTextExactly) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"tarnwick.exe", u""},
      {u"\"C:\\Program Files\\Tarnwick\\tarnwick.exe\" ", u""},
      {u"tarnwick.exe \"Z:\\no such\\folder\"", u"\"Z:\\no such\\folder\""},
      {u"tarnwick.exe Z:\\no such\\日本語  ", u"Z:\\no such\\日本語  "},
  };
  for (const auto& [commandLine, text] : cases) {
    Win32Program program(SW_SHOWNORMAL);
    EXPECT_EQ(StartWith(program, commandLine), text) << ToUtf8(commandLine);
    HWND main = program.Window().Handle();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_EQ(program.Form().Sorting().SortColumn(), kSubPaddedSize);
    EXPECT_EQ(program.Window().SelectedUnit(), 1);
    EXPECT_FALSE(program.Window().FullPathChecked());
    EXPECT_EQ(program.Form().ListView1().Count(), 0);
    EXPECT_FALSE(program.Form().SearchRunning());
  }
}

TEST_F(StartupTest, ClosingTheWindowEndsTheLoop) {
  Win32Program program(SW_SHOWNORMAL);
  StartWith(program, u"tarnwick.exe");
  ::PostMessageW(program.Window().Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.Run(), 0);
  EXPECT_EQ(program.Window().Handle(), nullptr);
}

}  // namespace
}  // namespace tarnwick::testing
