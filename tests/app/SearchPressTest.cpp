#include "app/SearchFixture.h"
#include "app/StatusText.h"

namespace tarnwick::testing {
namespace {

using V = std::vector<std::string>;

class SearchPress : public SearchFixture {};

TEST_F(SearchPress, CompletedRunListsRootFilesAndSubfoldersWithTheirTotals) {
  Search(u"C:\\Data");
  EXPECT_EQ(view.text1, u"C:\\Data\\");
  EXPECT_EQ(view.status, u"Complate. All Search 7Files , 3345Bytes.");
  ExpectIdleButton();
  for (Control c : {Control::Text1, Control::Option1_0, Control::Option1_1, Control::Option1_2, Control::Check1}) {
    EXPECT_TRUE(view.IsEnabled(c));
  }

  // Folders first, by size ascending; then the root files.
  EXPECT_EQ(RowPaths(), (V{"C:\\Data\\A\\", "C:\\Data\\B\\", "C:\\Data\\a.txt\\", "C:\\Data\\b.txt\\"}));
  const ListModel& list = form.ListView1();
  EXPECT_EQ(list.SubItem(2, kSubFiles), u"4");    // B: files
  EXPECT_EQ(list.SubItem(2, kSubFolders), u"1");  // B: folders
  EXPECT_EQ(list.SubItem(2, kSubKind), u"1");
  EXPECT_EQ(list.SubItem(3, kSubKind), u"2");

  // Root files count up, then each folder reports deepest first.
  const std::vector<Str> expected{u"1Files in Root",
                                  u"2Files in Root",
                                  u"1000Bytes in C:\\Data\\A\\.",
                                  u"2000Bytes in C:\\Data\\B\\B1\\.",
                                  u"2345Bytes in C:\\Data\\B\\.",
                                  u"Complate. All Search 7Files , 3345Bytes."};
  EXPECT_EQ(view.statusHistory, expected);
  // One yield and one pause per folder counted, one yield per folder row.
  EXPECT_EQ(view.pauses, 3);
  EXPECT_EQ(view.pumps, 5);
}

TEST_F(SearchPress, ValidationMessagesChangeNothing) {
  fs.FailProbe(u"Q:\\nomedia");
  const struct {
    const char16_t* text;
    const char16_t* message;
  } cases[] = {
      {u"", u"パスが未入力です。"},
      {u"Q:\\nomedia", u"不正なパスです。アクセス拒否やメディアがない、などの理由が考えられます｡ "},
      {u"abc", u"パスが不正です。"},
  };
  view.status = u"before";
  for (const auto& c : cases) {
    view.messages.clear();
    Search(c.text);
    EXPECT_EQ(view.messages, std::vector<Str>{c.message}) << ToUtf8(c.text);
    EXPECT_EQ(view.text1, c.text);
  }
  EXPECT_EQ(view.status, u"before");
  EXPECT_EQ(form.ListView1().Count(), 0);
  EXPECT_FALSE(form.SearchRunning());
  EXPECT_EQ(fs.listings(), 0);
}

// Root texts as the system reads a path: never longer than its longest,
// 32,767 characters (at 65,536 a length kept in 16 bits of bytes wraps), and
// without trailing dots and blanks. A press is taken in the role the button
// had when it was made: one made before the run began does not stop it.
TEST_F(SearchPress, RootTextsAndPressesAreTakenAsMeant) {
  const Str longest = u"C:\\" + Str(32764, u'L');
  fs.AddFolder(longest);
  const Str dots = u"C:\\Data" + Str(32760, u'.');
  const Str unusable = u"不正なパスです。アクセス拒否やメディアがない、などの理由が考えられます｡ ";
  const Str completed = u"Complate. All Search 7Files , 3345Bytes.";
  enum Press { kNone, kMadeBefore, kMadeDuring };
  const struct {
    Str text;
    Press press;  // a second press of Command1, handled during the run
    Str root;     // Text1 once the run has begun; empty: the unusable-path message
    Str status;
  } cases[] = {
      {longest, kNone, longest + u"\\", u"Complate. All Search 0Files , 0Bytes."},
      {longest + u"\\", kNone, u"", u""},
      {dots, kNone, u"C:\\Data\\", completed},
      {dots + u"\\", kNone, u"", u""},
      {u"C:\\Data" + Str(65529, u' '), kNone, u"", u""},
      {u"C:\\Data . .\\", kNone, u"C:\\Data\\", completed},
      {u"C:\\Data\\B  ", kNone, u"C:\\Data\\B\\", u"Complate. All Search 3Files , 2000Bytes."},
      {u"C:\\Data", kMadeBefore, u"C:\\Data\\", completed},
      {u"C:\\Data", kMadeDuring, u"C:\\Data\\", u"Search is Canceld By User."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.text.size() << " characters ending " << ToUtf8(c.text.substr(c.text.size() - 3)));
    view.messages.clear();
    view.status.clear();
    const std::uint64_t began = view.now;
    const int firstPump = view.pumps + 1;
    view.onPump = [&](int pump) {
      if (pump == firstPump && c.press != kNone) view.Post([&] { form.Command1_Click(c.press == kMadeBefore ? began - 1 : began); });
    };
    Search(c.text);
    EXPECT_EQ(view.messages, c.root.empty() ? std::vector<Str>{unusable} : std::vector<Str>{});
    EXPECT_EQ(view.text1, c.root.empty() ? c.text : c.root);
    EXPECT_EQ(view.status, c.status);
  }
}

TEST_F(SearchPress, FolderToSearchForAPathNamingAFolderOrAFile) {
  fs.AddFolder(u"D:");
  const struct {
    const char16_t* path;
    const char16_t* folder;
  } cases[] = {
      {u"C:\\Data", u"C:\\Data\\"},
      {u"C:\\Data\\", u"C:\\Data\\"},
      {u"D:\\", u"D:\\"},
      {u"C:\\Data\\a.txt", u"C:\\Data\\"},
      {u"C:\\Gone\\x", u"C:\\Gone\\"},
      {u"C:\\Gone\\x\\", u"C:\\Gone\\"},
      {u"report.txt", u""},
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(form.GetDirFromDirOrFile(c.path), c.folder) << ToUtf8(c.path);
}

TEST_F(SearchPress, AFilePathSearchesItsFolder) {
  Search(u"C:\\Data\\b.txt");
  EXPECT_EQ(view.text1, u"C:\\Data\\");
  EXPECT_EQ(form.ListView1().Count(), 4);
}

TEST_F(SearchPress, RootWithOnlyFilesKeepsListingOrderAndCountsNothing) {
  fs.AddFolder(u"C:\\Flat");
  fs.AddFile(u"C:\\Flat\\big", 900);
  fs.AddFile(u"C:\\Flat\\small", 1);
  Search(u"C:\\Flat\\");
  EXPECT_EQ(RowPaths(), (V{"C:\\Flat\\big\\", "C:\\Flat\\small\\"}));
  EXPECT_EQ(view.status, u"Complate. All Search 0Files , 0Bytes.");
  EXPECT_EQ(form.ListView1().SubItem(1, kSubFiles), u"0");
  EXPECT_EQ(form.ListView1().SubItem(1, kSubSize), u"900");
  EXPECT_EQ(view.pumps, 0);  // nothing lets messages run in such a run
}

TEST_F(SearchPress, EmptyRootKeepsThePreviousStatusUntilTheEnd) {
  fs.AddFolder(u"C:\\Empty");
  view.status = u"earlier";
  Search(u"C:\\Empty");
  EXPECT_EQ(view.statusHistory, std::vector<Str>{u"Complate. All Search 0Files , 0Bytes."});
  EXPECT_EQ(form.ListView1().Count(), 0);
}

TEST_F(SearchPress, SearchingTheSameRootTwiceStartsFromAnEmptyList) {
  Search(u"C:\\Data");
  Search(u"C:\\Data");
  EXPECT_EQ(form.ListView1().Count(), 4);
  EXPECT_EQ(view.status, u"Complate. All Search 7Files , 3345Bytes.");
}

TEST_F(SearchPress, RootFileLargerThanFourGibibytesKeepsItsTrueLength) {
  fs.AddFile(u"C:\\Data\\huge.bin", 6'000'000'000ULL);
  Search(u"C:\\Data");
  // Folders first, then the files by size: the huge one is last.
  EXPECT_EQ(form.ListView1().SubItem(5, kSubFullPath), u"C:\\Data\\huge.bin\\");
  EXPECT_EQ(form.ListView1().SubItem(5, kSubPaddedSize), u"000000000000000000006000000000");
}

TEST_F(SearchPress, RootFileGoneBeforeItsLengthIsReadTakesTheErrorPath) {
  fs.FailLength(u"C:\\Data\\b.txt");
  Search(u"C:\\Data");
  EXPECT_EQ(view.status, u"Error. Search is Canceld.");
  EXPECT_EQ(RowPaths(), (V{"C:\\Data\\a.txt\\"}));
  // The window is given back as at the end of any run.
  ExpectIdleButton();
  EXPECT_TRUE(view.IsEnabled(Control::Text1));
  EXPECT_TRUE(view.IsEnabled(Control::Check1));
  EXPECT_EQ(view.unloads, 0);

  fs.Remove(u"C:\\Data\\b.txt");
  form.Command1_Click();
  EXPECT_EQ(view.status, u"Complate. All Search 7Files , 3345Bytes.");
}

TEST_F(SearchPress, UnreadableRootTakesTheErrorPath) {
  fs.FailListing(u"C:\\Data");
  Search(u"C:\\Data");
  EXPECT_EQ(view.status, u"Error. Search is Canceld.");
  EXPECT_EQ(form.ListView1().Count(), 0);
}

TEST_F(SearchPress, UnreadableSubfolderStillGetsItsRow) {
  fs.FailListing(u"C:\\Data\\B");
  Search(u"C:\\Data");
  EXPECT_EQ(view.status, u"Complate. All Search 3Files , 1000Bytes.");
  EXPECT_EQ(form.ListView1().Count(), 4);
}

TEST(StatusText, TotalsAreExactToTheByte) {
  EXPECT_EQ(TotalText(0), u"0");
  EXPECT_EQ(TotalText(3345), u"3345");
  EXPECT_EQ(TotalText(1e15 + 1), u"1000000000000001");
  EXPECT_EQ(TotalText(9007199254740992.0), u"9007199254740992");
  EXPECT_EQ(FolderProgressText(52428800, u"C:\\Data\\Photos\\"), u"52428800Bytes in C:\\Data\\Photos\\.");
  EXPECT_EQ(RootFileProgressText(3), u"3Files in Root");
}

}  // namespace
}  // namespace tarnwick::testing
