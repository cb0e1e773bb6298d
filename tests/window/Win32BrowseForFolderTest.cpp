#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <functional>

#include "base/Win32Text.h"
#include "window/Win32BrowseForFolder.h"

namespace tarnwick {
namespace {

// COM for this thread, given back only when this object obtained it.
class ScopedCom {
 public:
  ScopedCom() : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ScopedCom() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ScopedCom(const ScopedCom&) = delete;
  ScopedCom& operator=(const ScopedCom&) = delete;
  bool ok() const { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

// The picker runs its own modal loop; a thread timer set before the call runs
// inside that loop, finds the picker among this thread's windows and answers
// it with `answer`.
class PickerDriver {
 public:
  explicit PickerDriver(std::function<void(HWND)> answer) {
    current_ = this;
    answer_ = std::move(answer);
    timer_ = ::SetTimer(nullptr, 0, 20, &PickerDriver::OnTimer);
  }
  ~PickerDriver() {
    if (timer_ != 0) ::KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  PickerDriver(const PickerDriver&) = delete;
  PickerDriver& operator=(const PickerDriver&) = delete;

  bool answered() const { return answered_; }
  const std::wstring& texts() const { return texts_; }

 private:
  static HWND FindPicker() {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), KeepPicker, reinterpret_cast<LPARAM>(&found));
    return found;
  }
  // Enumeration callbacks, not lambdas: 32-bit Windows calls them __stdcall.
  static BOOL CALLBACK KeepPicker(HWND hwnd, LPARAM out) {
    wchar_t cls[16] = {};
    ::GetClassNameW(hwnd, cls, 16);
    if (std::wstring(cls) != L"#32770" || !::IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
  }
  static BOOL CALLBACK AddChildText(HWND child, LPARAM texts) {
    wchar_t text[256] = {};
    ::GetWindowTextW(child, text, 256);
    *reinterpret_cast<std::wstring*>(texts) += std::wstring(text) + L"\n";
    return TRUE;
  }

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    PickerDriver* self = current_;
    if (self == nullptr || self->answered_) return;
    const HWND picker = FindPicker();
    if (picker == nullptr) return;
    self->answered_ = true;
    ::KillTimer(nullptr, self->timer_);
    self->timer_ = 0;
    ::EnumChildWindows(picker, AddChildText, reinterpret_cast<LPARAM>(&self->texts_));
    self->answer_(picker);
  }

  static inline PickerDriver* current_ = nullptr;
  std::function<void(HWND)> answer_;
  UINT_PTR timer_ = 0;
  bool answered_ = false;
  std::wstring texts_;
};

void Press(HWND picker, int button) { ::SendMessageW(::GetDlgItem(picker, button), BM_CLICK, 0, 0); }

TEST(Win32BrowseForFolder, CancelGivesTheEmptyText) {
  ScopedCom com;
  ASSERT_TRUE(com.ok());
  PickerDriver driver([](HWND picker) { Press(picker, IDCANCEL); });
  const Str chosen = BrowseForFolder();
  ASSERT_TRUE(driver.answered());
  EXPECT_EQ(chosen, u"");
  // The instruction above the tree is shown to the user.
  EXPECT_NE(driver.texts().find(L"フォルダを選択してください"), std::wstring::npos);
}

TEST(Win32BrowseForFolder, OkGivesTheChosenFolderEndingInBackslash) {
  ScopedCom com;
  ASSERT_TRUE(com.ok());
  wchar_t windows[MAX_PATH] = {};
  ASSERT_NE(::GetWindowsDirectoryW(windows, MAX_PATH), 0u);
  const std::wstring folder = windows;
  PickerDriver driver([&folder](HWND picker) {
    ::SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    Press(picker, IDOK);
  });
  const Str chosen = BrowseForFolder();
  ASSERT_TRUE(driver.answered());
  EXPECT_EQ(chosen, FromWide(folder) + u"\\");
}

}  // namespace
}  // namespace tarnwick
