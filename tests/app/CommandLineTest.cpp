#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace tarnwick {
namespace {

TEST(CommandLineArguments, SplitsOffTheProgramNameOnly) {
  struct Case {
    const char16_t* full;
    const char16_t* arguments;
  };
  const Case cases[] = {
      {u"", u""},
      {u"tarnwick.exe", u""},
      {u"tarnwick.exe ", u""},
      {u"tarnwick.exe C:\\Data", u"C:\\Data"},
      {u"tarnwick.exe   C:\\Data", u"C:\\Data"},
      {u"tarnwick.exe\tC:\\Data", u"C:\\Data"},
      // Everything after the separating blanks is kept as typed.
      {u"tarnwick.exe C:\\Data  ", u"C:\\Data  "},
      {u"tarnwick.exe \"C:\\My Data\"", u"\"C:\\My Data\""},
      {u"tarnwick.exe C:\\My Data\\ two  blanks", u"C:\\My Data\\ two  blanks"},
      {u"tarnwick.exe \"", u"\""},
      {u"tarnwick.exe D:\\日本語\\", u"D:\\日本語\\"},
      // A quoted program name may hold blanks.
      {u"\"C:\\Program Files\\Tarnwick\\tarnwick.exe\" C:\\Data", u"C:\\Data"},
      {u"\"C:\\Program Files\\Tarnwick\\tarnwick.exe\"", u""},
      {u"\"C:\\Program Files\\Tarnwick\\tarnwick.exe\"C:\\Data D", u"D"},
      {u"\"C:\\a b\\tarnwick.exe\" \"Z:\\tmp\\x y\"", u"\"Z:\\tmp\\x y\""},
      // An unclosed quotation mark leaves the whole line to the program name.
      {u"\"C:\\a b\\tarnwick.exe C:\\Data", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandLineArguments(c.full), Str(c.arguments)) << ToUtf8(c.full);
  }
}

}  // namespace
}  // namespace tarnwick
