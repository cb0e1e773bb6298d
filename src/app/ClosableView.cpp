#include "app/ClosableView.h"

namespace tarnwick {

void ClosableView::WindowGone() {
  if (gone_) return;
  text1_ = window_.Text1();
  status_ = window_.StatusText();
  unit_ = window_.SelectedUnit();
  fullPath_ = window_.FullPathChecked();
  gone_ = true;
}

void ClosableView::SetText1(const Str& text) {
  if (gone_) text1_ = text;
  window_.SetText1(text);
}

void ClosableView::SetStatusText(const Str& text) {
  if (gone_) status_ = text;
  window_.SetStatusText(text);
}

void ClosableView::ShowMessage(const Str& text) {
  // The user has left; nothing pops up after the window.
  if (!gone_) window_.ShowMessage(text);
}

void ClosableView::Show() {
  if (!gone_) window_.Show();
}

void ClosableView::Unload() {
  WindowGone();
  window_.Unload();
}

}  // namespace tarnwick
