#include "scan/Path.h"

namespace tarnwick {

Str AddBackslash(StrView text) {
  Str result(text);
  if (result.empty() || result.back() != u'\\') result += u'\\';
  return result;
}

Str UpToLastBackslash(StrView text) {
  const size_t p = text.rfind(u'\\');
  return p == StrView::npos ? Str() : Str(text.substr(0, p + 1));
}

StrView BareName(StrView path) {
  if (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
  const size_t slash = path.rfind(u'\\');
  return slash == StrView::npos ? path : path.substr(slash + 1);
}

Str ContainingFolder(StrView path) {
  if (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
  return UpToLastBackslash(path);
}

std::optional<Str> ParentRootText(StrView text) {
  if (!text.empty() && text.back() == u'\\') text.remove_suffix(1);
  if (text.size() <= 2) return std::nullopt;
  return UpToLastBackslash(text);
}
namespace {

bool IsDriveAbsolute(StrView p) {
  return p.size() >= 3 && p[1] == u':' && p[2] == u'\\' &&
         ((p[0] >= u'A' && p[0] <= u'Z') || (p[0] >= u'a' && p[0] <= u'z'));
}

bool IsDeviceForm(StrView p) {
  return p.size() >= 4 && p[0] == u'\\' && p[1] == u'\\' && (p[2] == u'?' || p[2] == u'.') &&
         p[3] == u'\\';
}

bool IsUnc(StrView p) { return p.size() >= 3 && p[0] == u'\\' && p[1] == u'\\' && !IsDeviceForm(p); }

bool HasDotPart(StrView p) {
  size_t start = 0;
  while (start <= p.size()) {
    size_t end = p.find(u'\\', start);
    if (end == StrView::npos) end = p.size();
    const StrView part = p.substr(start, end - start);
    if (part == u"." || part == u"..") return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

bool NeedsFullPath(StrView path) {
  if (IsDeviceForm(path)) return false;
  if (path.find(u'/') != StrView::npos) return true;
  if (!IsDriveAbsolute(path) && !IsUnc(path)) return true;
  if (path.find(u"\\\\", 1) != StrView::npos) return true;
  return HasDotPart(path);
}

bool IsRootPath(StrView path) {
  if (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
  if (path.size() == 2 && path[1] == u':') return true;
  if (!IsUnc(path)) return false;
  // \\server\share: exactly one "\" after the server name, and a share name.
  const size_t slash = path.find(u'\\', 2);
  return slash != StrView::npos && slash > 2 && slash + 1 < path.size() &&
         path.find(u'\\', slash + 1) == StrView::npos;
}

Str WithoutTrailingDotsAndBlanks(StrView path) {
  if (IsDeviceForm(path)) return Str(path);
  const bool folder = !path.empty() && path.back() == u'\\';
  const StrView rest = folder ? path.substr(0, path.size() - 1) : path;
  const size_t slash = rest.rfind(u'\\');
  const size_t start = slash == StrView::npos ? 0 : slash + 1;
  if (rest.find_first_not_of(u'.', start) == StrView::npos) return Str(path);
  const size_t end = rest.find_last_not_of(u". ");
  Str result(rest.substr(0, end == StrView::npos || end < start ? start : end + 1));
  if (folder && result.size() > start) result += u'\\';
  return result;
}

Str ToExtendedPath(StrView path) {
  if (IsDriveAbsolute(path)) return Str(u"\\\\?\\") + Str(path);
  if (IsUnc(path)) return Str(u"\\\\?\\UNC\\") + Str(path.substr(2));
  return Str(path);
}

}  // namespace tarnwick
