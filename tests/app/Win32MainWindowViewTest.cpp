// FormView on the real controls: what the handlers of Form1 do to the window
// shows on screen, and the keys, clicks and closes reach the handlers.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "window/Win32Pause.h"
#include "app/Win32WindowFixture.h"
#include "base/Win32Text.h"

namespace tarnwick::testing {
namespace {

LRESULT CALLBACK CountPaints(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR counter) {
  if (m == WM_PAINT) ++*reinterpret_cast<int*>(counter);
  return ::DefSubclassProc(w, m, wp, lp);
}

TEST_F(MainWindowTest, Text1CaptionAndEnabledStates) {
  window->SetText1(u"\"Z:\\tmp\\日本語 フォルダ\\\"");
  EXPECT_EQ(TextOf(Get(DesignedControl::Text1)), u"\"Z:\\tmp\\日本語 フォルダ\\\"");
  EXPECT_EQ(window->Text1(), u"\"Z:\\tmp\\日本語 フォルダ\\\"");
  // A long path is kept whole, not cut at the edit box's default limit.
  const Str longPath = u"Z:\\" + Str(40000, u'a');
  window->SetText1(longPath);
  EXPECT_EQ(window->Text1(), longPath);

  window->SetCommand1Caption(u"Cancel");
  EXPECT_EQ(TextOf(Get(DesignedControl::Command1)), u"Cancel");

  const std::pair<Control, DesignedControl> pairs[] = {
      {Control::Text1, DesignedControl::Text1},         {Control::Command1, DesignedControl::Command1},
      {Control::Command2, DesignedControl::Command2},   {Control::Command4, DesignedControl::Command4},
      {Control::Check1, DesignedControl::Check1},       {Control::Option1_0, DesignedControl::Option1_0},
      {Control::Option1_1, DesignedControl::Option1_1}, {Control::Option1_2, DesignedControl::Option1_2},
      {Control::ListView1, DesignedControl::ListView1},
  };
  for (const auto& [control, designed] : pairs) {
    window->SetEnabled(control, false);
    EXPECT_FALSE(::IsWindowEnabled(Get(designed))) << static_cast<int>(control);
    for (const auto& [other, otherDesigned] : pairs) {
      if (other != control) {
        EXPECT_TRUE(::IsWindowEnabled(Get(otherDesigned)));
      }
    }
    window->SetEnabled(control, true);
    EXPECT_TRUE(::IsWindowEnabled(Get(designed)));
  }
  window->Repaint(Control::Command1);

  // The window's repaint draws at once what changed, and leaves alone what
  // already shows as it is (a list that a search is about to clear).
  ::RedrawWindow(Main(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  int listPaints = 0;
  HWND list = Get(DesignedControl::ListView1);
  ASSERT_TRUE(::SetWindowSubclass(list, CountPaints, 1, reinterpret_cast<DWORD_PTR>(&listPaints)));
  window->SetEnabled(Control::Text1, false);
  window->RepaintWindow();
  EXPECT_FALSE(::GetUpdateRect(Get(DesignedControl::Text1), nullptr, FALSE));
  EXPECT_EQ(listPaints, 0);
  ::RemoveWindowSubclass(list, CountPaints, 1);
}

TEST_F(MainWindowTest, StatusTextIsTheFirstPanel) {
  HWND status = Get(DesignedControl::StatusBar1);
  EXPECT_EQ(::SendMessageW(status, SB_GETPARTS, 0, 0), 1);
  window->SetStatusText(u"52428800Bytes in Z:\\データ\\Photos\\.");
  wchar_t text[256] = {};
  ::SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(FromWide(text), u"52428800Bytes in Z:\\データ\\Photos\\.");
  EXPECT_EQ(window->StatusText(), u"52428800Bytes in Z:\\データ\\Photos\\.");
}

// What the status bar is told: how many first-panel texts, and the last.
struct PanelWrites {
  int count = 0;
  std::wstring last;
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (message == SB_SETTEXTW && LOBYTE(LOWORD(wParam)) == 0) {
      auto* writes = reinterpret_cast<PanelWrites*>(self);
      ++writes->count;
      writes->last = reinterpret_cast<const wchar_t*>(lParam);
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
};

// Texts written within one frame: the bar takes at most one of them at
// once and the last at the frame's end, yet whoever reads the panel
// meanwhile reads the last one written.
TEST_F(MainWindowTest, StatusTextsWithinAFrameDrawOnceAtItsEnd) {
  HWND status = Get(DesignedControl::StatusBar1);
  PanelWrites writes;
  ASSERT_TRUE(::SetWindowSubclass(status, &PanelWrites::Proc, 1, reinterpret_cast<DWORD_PTR>(&writes)));
  const auto writeMany = [this](int from) {
    Str last;
    for (int i = from; i < from + 50; ++i) {
      last = DecimalText(i) + u"Bytes in Z:\\データ\\.";
      window->SetStatusText(last);
    }
    return last;
  };
  const Str read = writeMany(0);
  EXPECT_LE(writes.count, 2);
  wchar_t text[256] = {};
  ::SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(FromWide(text), read);

  const Str drawn = writeMany(100);
  const int before = writes.count;
  for (int i = 0; i < 100 && writes.last != ToWide(drawn); ++i) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    loop.PumpPending();
  }
  EXPECT_EQ(writes.last, ToWide(drawn));
  EXPECT_LE(writes.count - before, 2);
  ::RemoveWindowSubclass(status, &PanelWrites::Proc, 1);
}

TEST_F(MainWindowTest, SecondPanelTakesRoomOnlyWithItsTextAndReportsClicks) {
  HWND status = Get(DesignedControl::StatusBar1);
  const auto panelText = [status](int panel) {
    wchar_t text[256] = {};
    ::SendMessageW(status, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text));
    return FromWide(text);
  };
  const auto panelRect = [status](int panel) {
    RECT rect{};
    ::SendMessageW(status, SB_GETRECT, panel, reinterpret_cast<LPARAM>(&rect));
    return rect;
  };
  const auto click = [&](int panel) {
    const RECT rect = panelRect(panel);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageW(status, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(status, WM_LBUTTONUP, 0, at);
  };

  window->SetStatusText(u"Complate. All Search 7Files , 3345Bytes.");
  const Str count = u"2 folders and 1 file could not be read";
  window->SetStatusText2(count);
  ASSERT_EQ(::SendMessageW(status, SB_GETPARTS, 0, 0), 2);
  EXPECT_EQ(panelText(0), u"Complate. All Search 7Files , 3345Bytes.");
  EXPECT_EQ(panelText(1), count);
  RECT client{};
  ::GetClientRect(status, &client);
  const RECT second = panelRect(1);
  EXPECT_GE(second.right, client.right - 2);
  // Wide enough for its text in the status bar's font.
  SIZE extent{};
  HDC dc = ::GetDC(status);
  const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(status, WM_GETFONT, 0, 0)));
  ::GetTextExtentPoint32W(dc, ToWide(count).c_str(), static_cast<int>(count.size()), &extent);
  ::SelectObject(dc, previous);
  ::ReleaseDC(status, dc);
  EXPECT_GT(second.right - second.left, extent.cx);
  EXPECT_LT(second.right - second.left, client.right / 2);

  // The second panel opens the list behind it, as Form1 answers its click:
  // one window, owned by this one, whose Ctrl+C copies every line.
  UnreadableReport report{{u"C:\\a\\", u"and 1 more"}};
  events.onPanelClick = [&](int panel) {
    if (panel == 2) window->ShowUnreadableWindow(report);
  };
  click(0);
  EXPECT_EQ(window->UnreadableWindow(), nullptr);
  click(1);
  HWND list = window->UnreadableWindow();
  ASSERT_NE(list, nullptr);
  report.lines.insert(report.lines.begin(), u"C:\\0\\");
  click(1);
  EXPECT_EQ(events.panelClicks, (std::vector<int>{1, 2, 2}));
  EXPECT_EQ(window->UnreadableWindow(), list);
  EXPECT_EQ(::GetWindow(list, GW_OWNER), Main());
  HWND lines = ::GetFocus();
  ASSERT_EQ(::GetParent(lines), list);
  EXPECT_EQ(::SendMessageW(lines, LB_GETCOUNT, 0, 0), 3);
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  PressKey(loop, Main(), 'C');
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
  Str copied;
  ASSERT_TRUE(::OpenClipboard(Main()));
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    copied = FromWide(static_cast<const wchar_t*>(::GlobalLock(data)));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  EXPECT_EQ(copied, report.ClipboardText());
  PressKey(loop, Main(), VK_ESCAPE);
  EXPECT_EQ(window->UnreadableWindow(), nullptr);
  EXPECT_FALSE(::IsWindow(list));

  // A narrower window narrows the first panel; the second keeps its width.
  RECT frame{};
  ::GetWindowRect(Main(), &frame);
  ::SetWindowPos(Main(), nullptr, 0, 0, frame.right - frame.left - 100, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
  Drain(loop);
  ::GetClientRect(status, &client);
  EXPECT_EQ(panelRect(1).right - panelRect(1).left, second.right - second.left);
  EXPECT_GE(panelRect(1).right, client.right - 2);

  // Empty again: one panel, which keeps its text.
  window->SetStatusText2(u"");
  EXPECT_EQ(::SendMessageW(status, SB_GETPARTS, 0, 0), 1);
  EXPECT_EQ(panelText(0), u"Complate. All Search 7Files , 3345Bytes.");
}

TEST_F(MainWindowTest, EnterPressesCommand1OnlyWhileItIsTheDefaultButton) {
  for (DesignedControl focus : {DesignedControl::Text1, DesignedControl::ListView1}) {
    ::SetFocus(Get(focus));
    events.command1 = 0;
    PressKey(loop, Main(), VK_RETURN);
    EXPECT_EQ(events.command1, 1) << static_cast<int>(focus);

    window->SetCommand1Default(false);
    EXPECT_EQ(::GetWindowLongPtrW(Get(DesignedControl::Command1), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(::SendMessageW(Main(), DM_GETDEFID, 0, 0), 0);
    ::SetFocus(Get(focus));
    PressKey(loop, Main(), VK_RETURN);
    EXPECT_EQ(events.command1, 1);

    window->SetCommand1Default(true);
    EXPECT_EQ(::GetWindowLongPtrW(Get(DesignedControl::Command1), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    PressKey(loop, Main(), VK_RETURN);
    EXPECT_EQ(events.command1, 2);
  }
  EXPECT_EQ(events.command2 + events.command4, 0);
}

TEST_F(MainWindowTest, EscPressesCommand1OnlyWhileItIsAnEnabledCancelButton) {
  ::SetFocus(Get(DesignedControl::ListView1));
  PressKey(loop, Main(), VK_ESCAPE);
  EXPECT_EQ(events.command1, 0);

  window->SetCommand1Cancel(true);
  window->SetCommand1Default(false);
  PressKey(loop, Main(), VK_ESCAPE);
  EXPECT_EQ(events.command1, 1);
  // Enter is not Esc: with no default button it presses nothing.
  PressKey(loop, Main(), VK_RETURN);
  EXPECT_EQ(events.command1, 1);

  // The run disables the button once a stop is asked for: Esc then does
  // nothing, as a click on it cannot.
  window->SetEnabled(Control::Command1, false);
  PressKey(loop, Main(), VK_ESCAPE);
  EXPECT_EQ(events.command1, 1);

  // With the focused control disabled (the run disables Text1, a stop
  // disables the clicked button), the focus moves to the list, so the keys
  // still reach the window's dialog handling.
  window->SetEnabled(Control::Command1, true);
  ::SetFocus(Get(DesignedControl::Text1));
  window->SetEnabled(Control::Text1, false);
  EXPECT_EQ(::GetFocus(), Get(DesignedControl::ListView1));
  PressKey(loop, Main(), VK_ESCAPE);
  EXPECT_EQ(events.command1, 2);
  ::SetFocus(Get(DesignedControl::Command1));
  window->SetEnabled(Control::Command1, false);
  EXPECT_EQ(::GetFocus(), Get(DesignedControl::ListView1));
  window->SetEnabled(Control::Command1, true);

  window->SetCommand1Cancel(false);
  PressKey(loop, Main(), VK_ESCAPE);
  EXPECT_EQ(events.command1, 2);
}

TEST_F(MainWindowTest, ClicksReachTheirHandlersAndTheOptionsReadBack) {
  ::SendMessageW(Get(DesignedControl::Command1), BM_CLICK, 0, 0);
  ::SendMessageW(Get(DesignedControl::Command2), BM_CLICK, 0, 0);
  ::SendMessageW(Get(DesignedControl::Command4), BM_CLICK, 0, 0);
  ::SendMessageW(Get(DesignedControl::Command4), BM_CLICK, 0, 0);
  EXPECT_EQ(events.command1, 1);
  EXPECT_EQ(events.command2, 1);
  EXPECT_EQ(events.command4, 2);

  ::SendMessageW(Get(DesignedControl::Check1), BM_CLICK, 0, 0);
  EXPECT_EQ(events.check1, 1);
  EXPECT_TRUE(window->FullPathChecked());

  ::SendMessageW(Get(DesignedControl::Option1_2), BM_CLICK, 0, 0);
  EXPECT_EQ(window->SelectedUnit(), 2);
  EXPECT_EQ(::SendMessageW(Get(DesignedControl::Option1_1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  ::SendMessageW(Get(DesignedControl::Option1_0), BM_CLICK, 0, 0);
  EXPECT_EQ(window->SelectedUnit(), 0);
  ASSERT_FALSE(events.option1.empty());
  EXPECT_EQ(events.option1.front(), 2);
  EXPECT_EQ(events.option1.back(), 0);
}

TEST_F(MainWindowTest, MessageBoxesCarryTheTitleNoIconAndTheirButtons) {
  {
    MessageBoxAnswerer answer(IDOK);
    window->ShowMessage(u"パスが未入力です。");
    ASSERT_EQ(answer.seen().size(), 1u);
    const SeenBox& box = answer.seen()[0];
    EXPECT_EQ(box.caption, u"Tarnwick");
    EXPECT_EQ(box.text, u"パスが未入力です。");
    EXPECT_EQ(box.owner, Main());
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
  }
  for (const int answer : {IDYES, IDNO}) {
    MessageBoxAnswerer answerer(answer);
    const bool yes = window->AskYesNo(u"Z:\\Data\\をルートにして読み込みます。よろしいですか?");
    EXPECT_EQ(yes, answer == IDYES);
    ASSERT_EQ(answerer.seen().size(), 1u);
    const SeenBox& box = answerer.seen()[0];
    EXPECT_EQ(box.caption, u"Tarnwick");
    EXPECT_EQ(box.text, u"Z:\\Data\\をルートにして読み込みます。よろしいですか?");
    EXPECT_FALSE(box.hasIcon);
    std::vector<int> buttons = box.buttons;
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, (std::vector<int>{IDYES, IDNO}));
  }
}

TEST_F(MainWindowTest, PumpRunsQueuedMessagesAndRemembersAQuit) {
  // A click queued while a handler runs is handled inside the pump.
  ::PostMessageW(Main(), WM_COMMAND, MAKEWPARAM(kIdCommand4, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Get(DesignedControl::Command4)));
  window->PumpMessages();
  EXPECT_EQ(events.command4, 1);
  EXPECT_FALSE(loop.QuitReceived());

  // WM_QUIT comes after the messages posted before and after it.
  ::PostQuitMessage(3);
  ::PostMessageW(Main(), WM_COMMAND, MAKEWPARAM(kIdCommand2, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Get(DesignedControl::Command2)));
  window->PumpMessages();
  EXPECT_EQ(events.command2, 1);
  EXPECT_TRUE(loop.QuitReceived());
  // The loop that follows ends at once with the remembered code, and no
  // pump runs anything more.
  ::PostMessageW(Main(), WM_COMMAND, MAKEWPARAM(kIdCommand2, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Get(DesignedControl::Command2)));
  window->PumpMessages();
  EXPECT_EQ(events.command2, 1);
  EXPECT_EQ(loop.Run(), 3);
}

TEST_F(MainWindowTest, CloseAsksFormThenDestroysAtOnceAndTheRestActsOnNothing) {
  HWND main = Main();
  // As during a search: the close arrives inside the run's pump.
  ::PostMessageW(main, WM_CLOSE, 0, 0);
  window->PumpMessages();
  EXPECT_EQ(events.queryUnloads, 1);
  EXPECT_FALSE(::IsWindow(main));
  EXPECT_EQ(window->Handle(), nullptr);
  EXPECT_TRUE(loop.QuitReceived());

  // What Form1 still hands the closed window fails nothing and brings
  // nothing back on screen.
  window->SetText1(u"Z:\\");
  window->SetStatusText(u"Search is Canceld By User.");
  window->SetEnabled(Control::Text1, true);
  window->SetCommand1Caption(u"Search");
  window->SetCommand1Default(true);
  window->RepaintWindow();
  window->ShowMessage(u"パスが不正です。");  // would block if it showed a box
  EXPECT_FALSE(window->AskYesNo(u"?"));
  window->Unload();
  window->Show();
  window->PumpMessages();
  EXPECT_EQ(window->Handle(), nullptr);
}

TEST_F(MainWindowTest, UnloadEndsTheWindowForGood) {
  HWND main = Main();
  window->Unload();
  EXPECT_FALSE(::IsWindow(main));
  EXPECT_TRUE(QuitMessageQueued());
  window->Show();
  EXPECT_EQ(window->Handle(), nullptr);
  EXPECT_EQ(events.queryUnloads, 0);  // an unload is no close: nothing is asked
  loop.PumpPending();
  EXPECT_TRUE(loop.QuitReceived());
}

TEST_F(MainWindowTest, PauseLastsAboutOneMillisecondAndRunsNoMessages) {
  ::PostMessageW(Main(), WM_COMMAND, MAKEWPARAM(kIdCommand4, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Get(DesignedControl::Command4)));
  std::vector<double> ms;
  for (int i = 0; i < 200; ++i) {
    const auto start = std::chrono::steady_clock::now();
    window->PauseOneMillisecond();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  EXPECT_EQ(events.command4, 0);
  Drain(loop);
  EXPECT_EQ(events.command4, 1);

  std::sort(ms.begin(), ms.end());
  // Reported, not asserted: timing belongs to the machine.
  Win32Pause pause;
  for (int i = 0; i < 5; ++i) pause.OneMillisecond();
  std::printf("pause (%s): median %.3f ms, 10%% %.3f ms, 90%% %.3f ms, max %.3f ms\n",
              PauseWayName(pause.ChosenWay()), ms[100], ms[20], ms[180], ms.back());
}

// A press is dated by the input that made it, however late the window
// handles it; a press no input made is dated when it is handled.
TEST_F(MainWindowTest, APressCarriesTheTimeItsInputWasMade) {
  HWND button = Get(DesignedControl::Command1);
  const std::uint64_t before = ::GetTickCount64();
  MSG message{};
  message.hwnd = button;
  message.lParam = MAKELPARAM(3, 3);
  message.time = ::GetTickCount() - 5000;  // waited five seconds in the queue
  for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
    message.message = m;
    message.wParam = m == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
    loop.Deliver(message);
  }
  ASSERT_EQ(events.command1, 1);
  EXPECT_LE(events.command1MadeAt, before - 4000);
  EXPECT_GE(events.command1MadeAt + 6000, before);

  ::SendMessageW(button, BM_CLICK, 0, 0);
  ASSERT_EQ(events.command1, 2);
  EXPECT_GE(events.command1MadeAt, before);
}

}  // namespace
}  // namespace tarnwick::testing
