#pragma once
// The real main window with Form1 behind it, in the benchmark's own process,
// with a view in between that notes when window messages are let run.
#include <windows.h>

#include <optional>
#include <vector>

#include "app/Form1.h"
#include "window/Win32MainWindow.h"
#include "window/Win32MessageLoop.h"
#include "list/Win32TextOrder.h"
#include "scan/Win32FileSystem.h"

namespace tarnwick::bench {

double NowSeconds();

// Forwards everything to the real window; remembers the time of every pump.
class PumpTimingView final : public FormView {
 public:
  explicit PumpTimingView(FormView& window) : window_(window) {}
  std::vector<double> pumpTimes;
  std::vector<double> pumpDurations;
  double pumpSeconds = 0;    // spent inside the pumps
  double statusSeconds = 0;  // spent writing status texts
  double pauseSeconds = 0;   // spent in the pauses

  Str Text1() override { return window_.Text1(); }
  void SetText1(const Str& t) override { window_.SetText1(t); }
  void SetEnabled(Control c, bool on) override { window_.SetEnabled(c, on); }
  void SetCommand1Caption(const Str& c) override { window_.SetCommand1Caption(c); }
  void SetCommand1Default(bool on) override { window_.SetCommand1Default(on); }
  void SetCommand1Cancel(bool on) override { window_.SetCommand1Cancel(on); }
  void Repaint(Control c) override { window_.Repaint(c); }
  void RepaintWindow() override { window_.RepaintWindow(); }
  void SetStatusText(const Str& t) override {
    const double start = NowSeconds();
    window_.SetStatusText(t);
    statusSeconds += NowSeconds() - start;
  }
  Str StatusText() override { return window_.StatusText(); }
  void SetStatusText2(const Str& t) override { window_.SetStatusText2(t); }
  void ShowMessage(const Str& t) override { window_.ShowMessage(t); }
  bool AskYesNo(const Str& t) override { return window_.AskYesNo(t); }
  int SelectedUnit() override { return window_.SelectedUnit(); }
  bool FullPathChecked() override { return window_.FullPathChecked(); }
  void ShowSortArrow(int header, int order) override { window_.ShowSortArrow(header, order); }
  void FitListColumns() override { window_.FitListColumns(); }
  void FocusListRow(int position) override { window_.FocusListRow(position); }
  void SetClipboardText(const Str& t) override { window_.SetClipboardText(t); }
  void ShowUnreadableWindow(const UnreadableReport& r) override { window_.ShowUnreadableWindow(r); }
  void PumpMessages() override {
    pumpTimes.push_back(NowSeconds());
    window_.PumpMessages();
    pumpDurations.push_back(NowSeconds() - pumpTimes.back());
    pumpSeconds += pumpDurations.back();
  }
  void PauseOneMillisecond() override {
    const double start = NowSeconds();
    window_.PauseOneMillisecond();
    pauseSeconds += NowSeconds() - start;
  }
  void RestUntilWoken(std::uint32_t ms) override { window_.RestUntilWoken(ms); }
  void WakeUp() override { window_.WakeUp(); }
  void Show() override { window_.Show(); }
  void Unload() override { window_.Unload(); }
  Str BrowseForFolder() override { return window_.BrowseForFolder(); }
  int ListHitTest(float x, float y) override { return window_.ListHitTest(x, y); }
  bool ShowPopupMenu(PopupMenu menu, MenuPlace place) override { return window_.ShowPopupMenu(menu, place); }
  std::uint64_t Milliseconds() override { return window_.Milliseconds(); }

 private:
  FormView& window_;
};

class BenchWindow {
 public:
  BenchWindow();
  Form1& form() { return *form_; }
  PumpTimingView& view() { return view_; }
  Win32MainWindow& window() { return window_; }

 private:
  Win32MessageLoop loop_;
  Win32FileSystem fs_;
  Win32TextOrder names_;
  std::optional<Form1> form_;
  Win32MainWindow window_;
  PumpTimingView view_{window_};
};

}  // namespace tarnwick::bench
