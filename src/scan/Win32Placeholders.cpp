#include "scan/Win32Placeholders.h"

#include <windows.h>

namespace tarnwick {

namespace {

using SetPlaceholderMode = CHAR(NTAPI*)(CHAR mode);
constexpr CHAR kExposePlaceholders = 2;  // PHCM_EXPOSE_PLACEHOLDERS

}  // namespace

void ExposeCloudPlaceholders() {
  // Looked up at run time: where ntdll lacks it, the program must still start.
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr) return;
  const FARPROC found = ::GetProcAddress(ntdll, "RtlSetProcessPlaceholderCompatibilityMode");
  if (found == nullptr) return;
  // Through the generic function type, which converts to any other.
  const auto setMode = reinterpret_cast<SetPlaceholderMode>(reinterpret_cast<void (*)()>(found));
  setMode(kExposePlaceholders);
}

}  // namespace tarnwick
