// The program's entry point.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <exception>

#include "app/Win32Program.h"
#include "base/Win32Text.h"
#include "scan/Win32Placeholders.h"

namespace {

// OLE serves drag and drop and the folder picker. It is uninitialised only
// when this thread's initialisation succeeded: a failed call must not be
// balanced by an uninitialise that would undo someone else's.
class ScopedOle {
 public:
  ScopedOle() : result_(::OleInitialize(nullptr)) {}
  ~ScopedOle() {
    if (SUCCEEDED(result_)) ::OleUninitialize();
  }
  ScopedOle(const ScopedOle&) = delete;
  ScopedOle& operator=(const ScopedOle&) = delete;

 private:
  HRESULT result_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  tarnwick::ExposeCloudPlaceholders();
  const ScopedOle ole;
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
  ::InitCommonControlsEx(&controls);

  try {
    tarnwick::Win32Program program(showCommand);
    program.Start(tarnwick::FromWide(::GetCommandLineW()));
    return program.Run();
  } catch (const std::exception&) {
    // The window that failed may have asked to quit; that must not close
    // the message box at once.
    MSG quit;
    ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    ::MessageBoxW(nullptr, L"Tarnwick could not start.", L"Tarnwick", MB_OK);
    return 1;
  }
}
