#pragma once
// What Form1's handlers see of the window, which can go before they are done:
// a search run outlives a close made during it and winds down afterwards.
// Until then every call goes to the window. Once it has gone, what the run
// reads is what the window last showed (or what the run wrote since), and
// nothing asks the user anything or brings the window back on screen:
// message boxes, pop-up menus and the folder picker are not shown, the hit
// test finds no row. Writes still go to the window, which no longer shows
// them.
#include "window/FormView.h"

namespace tarnwick {

class ClosableView final : public FormView {
 public:
  explicit ClosableView(FormView& window) : window_(window) {}

  // The window is about to go: from now on it is only remembered.
  void WindowGone();
  bool Gone() const { return gone_; }

  Str Text1() override { return gone_ ? text1_ : window_.Text1(); }
  void SetText1(const Str& text) override;
  void SetEnabled(Control control, bool enabled) override { window_.SetEnabled(control, enabled); }
  void SetCommand1Caption(const Str& caption) override { window_.SetCommand1Caption(caption); }
  void SetCommand1Default(bool isDefault) override { window_.SetCommand1Default(isDefault); }
  void SetCommand1Cancel(bool isCancel) override { window_.SetCommand1Cancel(isCancel); }
  void Repaint(Control control) override { window_.Repaint(control); }
  void RepaintWindow() override { window_.RepaintWindow(); }
  void SetStatusText(const Str& text) override;
  Str StatusText() override { return gone_ ? status_ : window_.StatusText(); }
  void SetStatusText2(const Str& text) override { window_.SetStatusText2(text); }
  void ShowMessage(const Str& text) override;
  bool AskYesNo(const Str& text) override { return !gone_ && window_.AskYesNo(text); }
  int SelectedUnit() override { return gone_ ? unit_ : window_.SelectedUnit(); }
  bool FullPathChecked() override { return gone_ ? fullPath_ : window_.FullPathChecked(); }
  void ShowSortArrow(int header, int order) override { window_.ShowSortArrow(header, order); }
  void FitListColumns() override { window_.FitListColumns(); }
  void FocusListRow(int position) override { window_.FocusListRow(position); }
  void SetClipboardText(const Str& text) override {
    if (!gone_) window_.SetClipboardText(text);
  }
  void ShowUnreadableWindow(const UnreadableReport& report) override {
    if (!gone_) window_.ShowUnreadableWindow(report);
  }
  void PumpMessages() override { window_.PumpMessages(); }
  void PauseOneMillisecond() override { window_.PauseOneMillisecond(); }
  void Show() override;
  void Unload() override;
  Str BrowseForFolder() override { return gone_ ? Str() : window_.BrowseForFolder(); }
  int ListHitTest(float x, float y) override { return gone_ ? 0 : window_.ListHitTest(x, y); }
  bool ShowPopupMenu(PopupMenu menu, MenuPlace place) override { return !gone_ && window_.ShowPopupMenu(menu, place); }
  std::uint64_t Milliseconds() override { return window_.Milliseconds(); }
  // Waiting for a listing goes on after a close: the run winds down first.
  void RestUntilWoken(std::uint32_t ms) override { window_.RestUntilWoken(ms); }
  void WakeUp() override { window_.WakeUp(); }

 private:
  FormView& window_;
  bool gone_ = false;
  // What the window showed when it went, kept up with the run's writes.
  Str text1_;
  Str status_;
  int unit_ = 1;
  bool fullPath_ = false;
};

}  // namespace tarnwick
