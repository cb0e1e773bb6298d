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

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// A path near the system's limit of some 32,000 characters would stretch the
// message past any screen; its start (the drive and the folders near the
// root) and its end (the name) say which one it is. Never cuts a character
// in two.
Str Shortened(const Str& path) {
  if (path.size() <= kLongestShownPath) return path;
  constexpr size_t kHead = kLongestShownPath / 3;
  size_t head = kHead;
  if (IsHighSurrogate(path[head - 1])) --head;
  size_t tail = path.size() - (kLongestShownPath - kHead - 1);
  if (IsLowSurrogate(path[tail])) ++tail;
  return path.substr(0, head) + u"\u2026" + path.substr(tail);
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

Str UnreadablePathsText(const UnreadableList& unreadable) {
  Str text = u"These could not be read, so the totals that hold them are short:";
  for (const Str& path : unreadable.Paths()) {
    text += u'\n';
    text += Shortened(path);
  }
  const std::uint64_t more = unreadable.Total() - unreadable.Paths().size();
  if (more != 0) text += u"\nand " + DecimalText(static_cast<long long>(more)) + u" more";
  return text;
}

}  // namespace tarnwick
