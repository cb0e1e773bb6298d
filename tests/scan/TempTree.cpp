#include "scan/TempTree.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "base/Win32Text.h"
#include "scan/Path.h"
#include "scan/Win32FileSystem.h"

namespace tarnwick::testing {
namespace {

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        RemoveTree(child);
      } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        ::RemoveDirectoryW(child.c_str());
      } else {
        ::DeleteFileW(child.c_str());
      }
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
  }
  ::RemoveDirectoryW(path.c_str());
}

}  // namespace

TempTree::TempTree() {
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring base = std::wstring(temp) + L"tarnwick-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                            std::to_wstring(::GetTickCount64());
  if (!::CreateDirectoryW(base.c_str(), nullptr)) throw std::runtime_error("cannot create temp folder");
  root_ = AddBackslash(FromWide(base));
}

TempTree::~TempTree() { RemoveTree(ToSystemPath(root_.substr(0, root_.size() - 1))); }

Str TempTree::Folder(const Str& relative) {
  const Str full = root_ + relative;
  if (!::CreateDirectoryW(ToSystemPath(full).c_str(), nullptr)) throw std::runtime_error("cannot create folder");
  return full;
}

Str TempTree::File(const Str& relative, std::uint64_t length, std::uint32_t attributes) {
  const Str full = root_ + relative;
  HANDLE file =
      ::CreateFileW(ToSystemPath(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create file");
  std::vector<char> chunk(64 * 1024, 'x');
  std::uint64_t left = length;
  while (left > 0) {
    const DWORD n = static_cast<DWORD>(left < chunk.size() ? left : chunk.size());
    DWORD written = 0;
    ::WriteFile(file, chunk.data(), n, &written, nullptr);
    left -= n;
  }
  ::CloseHandle(file);
  if (attributes != 0) ::SetFileAttributesW(ToSystemPath(full).c_str(), attributes);
  return full;
}

}  // namespace tarnwick::testing
