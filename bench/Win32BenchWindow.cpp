#include "Win32BenchWindow.h"

#include <commctrl.h>

#include <stdexcept>

#include "window/Win32Locale.h"

namespace tarnwick::bench {

double NowSeconds() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / frequency;
}

BenchWindow::BenchWindow() : window_(loop_, SW_SHOWNORMAL) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  form_.emplace(view_, fs_, ReadNumberSeparators(), names_);
  form_->ListOnWorkers(ReadAheadFileSystem::DefaultWorkers());
  if (!window_.Create(*form_, form_->ListView1())) throw std::runtime_error("no window");
  window_.Show();
  window_.PumpMessages();
}

}  // namespace tarnwick::bench
