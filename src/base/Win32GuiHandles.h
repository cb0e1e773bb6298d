#pragma once
// Owners for the GDI objects, icons, image lists and menus of the window.
#include <windows.h>
#include <commctrl.h>

#include "base/Win32Unique.h"

namespace tarnwick {

struct FontTraits {
  using type = HFONT;
  static type invalid() { return nullptr; }
  static void close(type h) { ::DeleteObject(h); }
};
using UniqueFont = UniqueAny<FontTraits>;

struct IconTraits {
  using type = HICON;
  static type invalid() { return nullptr; }
  static void close(type h) { ::DestroyIcon(h); }
};
using UniqueIcon = UniqueAny<IconTraits>;

struct ImageListTraits {
  using type = HIMAGELIST;
  static type invalid() { return nullptr; }
  static void close(type h) { ::ImageList_Destroy(h); }
};
using UniqueImageList = UniqueAny<ImageListTraits>;

struct MenuTraits {
  using type = HMENU;
  static type invalid() { return nullptr; }
  static void close(type h) { ::DestroyMenu(h); }
};
using UniqueMenu = UniqueAny<MenuTraits>;

struct KernelHandleTraits {
  using type = HANDLE;
  static type invalid() { return nullptr; }
  static void close(type h) { ::CloseHandle(h); }
};
using UniqueKernelHandle = UniqueAny<KernelHandleTraits>;

struct HookTraits {
  using type = HHOOK;
  static type invalid() { return nullptr; }
  static void close(type h) { ::UnhookWindowsHookEx(h); }
};
using UniqueHook = UniqueAny<HookTraits>;

// Memory for the clipboard: owned here until the clipboard takes it.
struct GlobalMemoryTraits {
  using type = HGLOBAL;
  static type invalid() { return nullptr; }
  static void close(type h) { ::GlobalFree(h); }
};
using UniqueGlobalMemory = UniqueAny<GlobalMemoryTraits>;

}  // namespace tarnwick
