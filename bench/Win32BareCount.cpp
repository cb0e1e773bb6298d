#include "Win32BareCount.h"

#include <windows.h>

#include "base/Win32Handles.h"

namespace tarnwick::bench {

void BareCount(std::wstring& folder, BareTotals& totals) {
  const size_t length = folder.size();
  folder += L'*';
  WIN32_FIND_DATAW data;
  const UniqueFindHandle find(::FindFirstFileExW(folder.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                                 FIND_FIRST_EX_LARGE_FETCH));
  folder.resize(length);
  if (!find) return;
  do {
    const wchar_t* name = data.cFileName;
    if (name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'))) continue;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      totals.files += 1;
      totals.bytes += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
      continue;
    }
    totals.dirs += 1;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) continue;
    // The handle stays open while the subfolder is counted: the simplest
    // walk, with no list of names kept.
    folder += name;
    folder += L'\\';
    BareCount(folder, totals);
    folder.resize(length);
  } while (::FindNextFileW(find.get(), &data));
}

}  // namespace tarnwick::bench
