#include "app/StatusText.h"

#include <cmath>
#include <cstdio>

namespace tarnwick {

Str TotalText(double value) {
  // Byte totals must be right to the byte, so whole numbers are written with
  // all their digits rather than cut to 15 significant ones.
  if (value == std::floor(value) && std::fabs(value) <= 9007199254740992.0) {
    return DecimalText(static_cast<long long>(value));
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  return FromUtf8(buffer);
}

Str RootFileProgressText(long long index) { return DecimalText(index) + kRootFileProgressSuffix; }

Str FolderProgressText(double bytes, const Str& folder) {
  return TotalText(bytes) + kFolderProgressInfix + folder + u".";
}

Str CompletionText(double files, double bytes) {
  return kCompletionPrefix + TotalText(files) + u"Files , " + TotalText(bytes) + u"Bytes.";
}

namespace {

Str Counted(std::uint64_t n, const char16_t* one, const char16_t* many) {
  return DecimalText(static_cast<long long>(n)) + u" " + (n == 1 ? one : many);
}

}  // namespace

Str UnreadableCountText(const UnreadableList& unreadable) {
  if (unreadable.Total() == 0) return Str();
  Str text;
  if (unreadable.Folders() != 0) text = Counted(unreadable.Folders(), u"folder", u"folders");
  if (unreadable.Files() != 0) {
    if (!text.empty()) text += u" and ";
    text += Counted(unreadable.Files(), u"file", u"files");
  }
  return text + kUnreadableSuffix;
}

}  // namespace tarnwick
