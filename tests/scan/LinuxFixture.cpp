#include "scan/LinuxFixture.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "base/Win32Text.h"
#include "scan/Path.h"

namespace tarnwick::testing {

std::optional<Str> LinuxFixtureRoot() {
  // Wine passes the Unix environment through; the Linux path /x/y is Z:\x\y.
  wchar_t buffer[4096];
  const DWORD n = ::GetEnvironmentVariableW(L"TARNWICK_SCAN_FIXTURE", buffer, 4096);
  if (n == 0 || n >= 4096 || buffer[0] != L'/') return std::nullopt;
  Str path = u"Z:" + FromWide(buffer);
  for (char16_t& c : path) {
    if (c == u'/') c = u'\\';
  }
  return AddBackslash(path);
}

std::vector<ExpectedTotals> ReadExpectedTotals(const Str& fixtureRoot) {
  std::ifstream in(ToWide(fixtureRoot + u"tree.expected").c_str());
  std::vector<ExpectedTotals> result;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string name;
    ExpectedTotals t;
    if (!std::getline(fields, name, '\t') || !(fields >> t.files >> t.bytes >> t.dirs)) continue;
    t.name = FromUtf8(name);
    result.push_back(t);
  }
  return result;
}

ExpectedRoom ReadExpectedRoom(const Str& fixtureRoot) {
  std::ifstream in(ToWide(fixtureRoot + u"ondisk.expected").c_str());
  ExpectedRoom room;
  in >> room.onDisk >> room.bytes;
  return room;
}

Str LongTail() {
  Str tail;
  for (char16_t level = u'1'; level <= u'6'; ++level) {
    tail += u"folder-with-a-rather-long-name-to-pass-the-limit-";
    tail += level;
    tail += u'\\';
  }
  return tail;
}

}  // namespace tarnwick::testing
