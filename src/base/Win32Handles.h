#pragma once
#include <windows.h>
#include <shlobj.h>

#include "base/Win32Unique.h"

namespace tarnwick {

// FindFirstFileExW reports failure with INVALID_HANDLE_VALUE, not NULL.
struct FindHandleTraits {
  using type = HANDLE;
  static type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(type h) { ::FindClose(h); }
};
using UniqueFindHandle = UniqueAny<FindHandleTraits>;

// CreateFileW, too, fails with INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using type = HANDLE;
  static type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(type h) { ::CloseHandle(h); }
};
using UniqueFileHandle = UniqueAny<FileHandleTraits>;

struct ItemIdListTraits {
  using type = PIDLIST_ABSOLUTE;
  static type invalid() { return nullptr; }
  static void close(type p) { ::CoTaskMemFree(p); }
};
using UniqueItemIdList = UniqueAny<ItemIdListTraits>;

}  // namespace tarnwick
