#include "window/Win32BrowseForFolder.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "base/Win32Handles.h"
#include "base/Win32Text.h"
#include "scan/Path.h"

namespace tarnwick {

Str BrowseForFolder() {
  // The wide picker, so that folders named outside the user's code page come
  // back intact; no owner window, so the main window keeps working meanwhile.
  BROWSEINFOW info{};
  info.lpszTitle = L"フォルダを選択してください";
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  UniqueItemIdList chosen(::SHBrowseForFolderW(&info));
  if (!chosen) return Str();

  // Room for the longest path the system allows, not just 260 characters.
  std::vector<wchar_t> buffer(32768, L'\0');
  if (!::SHGetPathFromIDListEx(chosen.get(), buffer.data(), static_cast<DWORD>(buffer.size()), GPFIDL_DEFAULT)) {
    return Str();
  }
  const Str path = FromWide(buffer.data());
  return path.empty() ? Str() : AddBackslash(path);
}

}  // namespace tarnwick
