#include "scan/LongPath.h"

namespace tarnwick {
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
  return HasDotPart(path);
}

Str ToExtendedPath(StrView path) {
  if (IsDriveAbsolute(path)) return Str(u"\\\\?\\") + Str(path);
  if (IsUnc(path)) return Str(u"\\\\?\\UNC\\") + Str(path.substr(2));
  return Str(path);
}

}  // namespace tarnwick
