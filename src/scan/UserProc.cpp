#include "scan/UserProc.h"

namespace tarnwick {

Str AddBackslash(StrView text) {
  Str result(text);
  if (result.empty() || result.back() != u'\\') result += u'\\';
  return result;
}

std::uint32_t SafeGetAttr(FileSystem& fs, const Str& path) {
  return fs.Attributes(path).value_or(0);
}

Str UpToLastBackslash(StrView text) {
  const size_t p = text.rfind(u'\\');
  return p == StrView::npos ? Str() : Str(text.substr(0, p + 1));
}

}  // namespace tarnwick
