#pragma once
// A window for the portable tests. It remembers what the handlers did to it,
// and its message pump runs "user actions" queued by the test, so that
// handlers entered in the middle of a search run can be tested.
#include <deque>
#include <functional>
#include <map>
#include <thread>
#include <utility>
#include <vector>

#include "window/FormView.h"

namespace tarnwick::testing {

class FakeFormView : public FormView {
 public:
  // Window state as the handlers left it.
  Str text1;
  std::map<Control, bool> enabled;
  Str caption = u"Search";
  bool isDefault = true;
  bool isCancel = false;
  Str status;
  std::vector<Str> statusHistory;
  Str status2;  // the second panel
  std::vector<Str> messages;  // every message box, in order
  std::vector<Str> questions;  // every Yes/No question, in order
  bool answerYes = true;
  std::function<void()> onQuestion;  // runs while a question is open
  int unit = 1;  // MB
  bool fullPath = false;
  int arrowHeader = 0;  // as ShowSortArrow left it; 0: never called
  int arrowOrder = 0;
  int columnFits = 0;
  int focusedRow = 0;  // as FocusListRow left it
  Str clipboard;
  std::vector<UnreadableReport> unreadableWindows;  // every opening of that window
  int pumps = 0;
  int pauses = 0;
  bool shown = false;
  int unloads = 0;
  Str folderToPick;
  // The clock: every reading returns `now`, then moves it on by `clockStep`.
  std::uint64_t now = 1000;
  std::uint64_t clockStep = 0;

  // ListView1's hit test, scripted: the row at a point, 0 for none. Every
  // point asked about is kept.
  std::function<int(float, float)> hitTest;
  std::vector<std::pair<float, float>> hitTests;
  // Every pop-up menu shown, with its place; whether its item gets chosen,
  // and what to look at while it is open.
  std::vector<std::pair<PopupMenu, MenuPlace>> menus;
  bool chooseMenuItem = false;
  std::function<void(PopupMenu)> onMenu;

  // Queued user actions: the next PumpMessages runs all of them, in order,
  // like window messages waiting in the queue.
  std::deque<std::function<void()>> queue;
  void Post(std::function<void()> action) { queue.push_back(std::move(action)); }
  // Called at every pump with its 1-based number, before the queue runs.
  std::function<void(int)> onPump;
  // Called after every status text is written.
  std::function<void(const Str&)> onStatus;

  bool IsEnabled(Control c) const {
    auto it = enabled.find(c);
    return it == enabled.end() || it->second;
  }

  Str Text1() override { return text1; }
  void SetText1(const Str& text) override { text1 = text; }
  void SetEnabled(Control control, bool on) override { enabled[control] = on; }
  void SetCommand1Caption(const Str& c) override { caption = c; }
  void SetCommand1Default(bool on) override { isDefault = on; }
  void SetCommand1Cancel(bool on) override { isCancel = on; }
  void Repaint(Control) override {}
  void RepaintWindow() override {}
  void SetStatusText(const Str& text) override {
    status = text;
    statusHistory.push_back(text);
    if (onStatus) onStatus(text);
  }
  Str StatusText() override { return status; }
  void SetStatusText2(const Str& text) override { status2 = text; }
  void ShowMessage(const Str& text) override { messages.push_back(text); }
  bool AskYesNo(const Str& text) override {
    questions.push_back(text);
    if (onQuestion) onQuestion();
    return answerYes;
  }
  int SelectedUnit() override { return unit; }
  bool FullPathChecked() override { return fullPath; }
  void ShowSortArrow(int header, int order) override {
    arrowHeader = header;
    arrowOrder = order;
  }
  void FitListColumns() override { ++columnFits; }
  void FocusListRow(int position) override { focusedRow = position; }
  void SetClipboardText(const Str& text) override { clipboard = text; }
  void ShowUnreadableWindow(const UnreadableReport& report) override { unreadableWindows.push_back(report); }
  void PumpMessages() override {
    ++pumps;
    if (onPump) onPump(pumps);
    std::deque<std::function<void()>> pending;
    pending.swap(queue);
    for (auto& action : pending) action();
  }
  void PauseOneMillisecond() override { ++pauses; }
  // A rest gives the workers the window waits for their turn.
  int rests = 0;
  void RestUntilWoken(std::uint32_t) override {
    ++rests;
    std::this_thread::yield();
  }
  void WakeUp() override {}
  void Show() override { shown = true; }
  void Unload() override { ++unloads; }
  Str BrowseForFolder() override { return folderToPick; }
  int ListHitTest(float x, float y) override {
    hitTests.emplace_back(x, y);
    return hitTest ? hitTest(x, y) : 0;
  }
  bool ShowPopupMenu(PopupMenu menu, MenuPlace place) override {
    menus.emplace_back(menu, place);
    if (onMenu) onMenu(menu);
    return chooseMenuItem;
  }
  std::uint64_t Milliseconds() override {
    const std::uint64_t t = now;
    now += clockStep;
    return t;
  }
};

}  // namespace tarnwick::testing
