#include <new>

#include "app/SearchFixture.h"
#include "fakes/FakeDropData.h"

namespace tarnwick::testing {
namespace {

constexpr const char16_t* kBefore = u"status before";

class Drop : public SearchFixture {
 protected:
  void SetUp() override {
    SearchFixture::SetUp();
    fs.AddFolder(u"D:\\Data");
    fs.AddFile(u"D:\\top.txt", 3);
    fs.AddFile(LongFolder() + u"\\画像😀.raw", 4096);
    fs.AddFolder(u"\\\\server\\share\\folder\\sub");
    fs.AddFile(u"\\\\server\\share\\folder\\sub\\x", 9);
    // A folder that has gone: listing it fails, as the system's does.
    fs.FailProbe(u"C:\\Gone\\");
  }

  // A folder with Japanese and emoji names, longer than any MAX_PATH.
  static Str LongFolder() {
    Str path = u"C:\\日本語";
    for (int i = 0; i < 30; ++i) path += u"\\😀 写真フォルダ" + Str(1, static_cast<char16_t>(u'a' + i % 26));
    return path;
  }

  void ResetWindow() {
    view.text1 = u"typed before";
    view.status = kBefore;
    view.messages.clear();
    view.questions.clear();
  }
};

TEST_F(Drop, TheFolderOfTheFirstNameIsSearchedAfterAQuestionForSeveral) {
  enum Answer { kNotAsked, kYes, kNo };
  const Str longFolder = LongFolder() + u"\\";
  const Str dataQuestion = Str(u"C:\\Data\\") + u"をルートにして読み込みます。よろしいですか?";
  const struct {
    const char* what;
    DroppedFiles data;
    Answer answer;
    Str question;  // asked when answer is not kNotAsked
    Str root;      // Text1 afterwards
    Str status;    // status panel 1 afterwards; kBefore: no search
    const char16_t* message;
  } cases[] = {
      {"one folder", DroppedFiles::Names({u"C:\\Data"}), kNotAsked, u"", u"C:\\Data\\",
       u"Complate. All Search 7Files , 3345Bytes.", nullptr},
      {"one file", DroppedFiles::Names({u"C:\\Data\\a.txt"}), kNotAsked, u"", u"C:\\Data\\",
       u"Complate. All Search 7Files , 3345Bytes.", nullptr},
      {"a drive root", DroppedFiles::Names({u"D:\\"}), kNotAsked, u"", u"D:\\",
       u"Complate. All Search 0Files , 0Bytes.", nullptr},
      {"three files, yes", DroppedFiles::Names({u"C:\\Data\\a.txt", u"C:\\Data\\b.txt", u"C:\\Data\\A\\1"}), kYes,
       dataQuestion, u"C:\\Data\\", u"Complate. All Search 7Files , 3345Bytes.", nullptr},
      {"three files, no", DroppedFiles::Names({u"C:\\Data\\a.txt", u"C:\\Data\\b.txt", u"C:\\Data\\A\\1"}), kNo,
       dataQuestion, u"typed before", kBefore, nullptr},
      {"a folder, then files", DroppedFiles::Names({u"C:\\Data\\B", u"C:\\Data\\a.txt", u"C:\\Data\\b.txt"}), kYes,
       Str(u"C:\\Data\\B\\") + u"をルートにして読み込みます。よろしいですか?", u"C:\\Data\\B\\",
       u"Complate. All Search 3Files , 2000Bytes.", nullptr},
      {"a long Unicode name", DroppedFiles::Names({LongFolder() + u"\\画像😀.raw"}), kNotAsked, u"", longFolder,
       u"Complate. All Search 0Files , 0Bytes.", nullptr},
      {"a folder named with a trailing dot", DroppedFiles::Names({u"C:\\Data\\B."}), kNotAsked, u"",
       u"C:\\Data\\B\\", u"Complate. All Search 3Files , 2000Bytes.", nullptr},
      {"a share folder", DroppedFiles::Names({u"\\\\server\\share\\folder"}), kNotAsked, u"",
       u"\\\\server\\share\\folder\\", u"Complate. All Search 1Files , 9Bytes.", nullptr},
      // The derived root goes into the box all the same; the search press
      // then reports it with its own messages.
      {"a folder that has gone", DroppedFiles::Names({u"C:\\Gone\\x"}), kNotAsked, u"", u"C:\\Gone\\", kBefore,
       u"不正なパスです。アクセス拒否やメディアがない、などの理由が考えられます｡ "},
      {"a name without a folder", DroppedFiles::Names({u"report.txt"}), kNotAsked, u"", u"", kBefore,
       u"パスが未入力です。"},
      {"text, not files", DroppedFiles::NotFiles(), kNotAsked, u"", u"typed before", u"Error : Drop Miss",
       u"ファイル、フォルダ以外がドロップされました。"},
      {"a file list that cannot be read", DroppedFiles::Unreadable(), kNotAsked, u"", u"typed before",
       u"Error : ???", u"エラーが発生しました。"},
      {"an empty file list", DroppedFiles::Names({}), kNotAsked, u"", u"typed before", u"Error : ???",
       u"エラーが発生しました。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetWindow();
    view.answerYes = c.answer == kYes;
    const int listingsBefore = fs.listings();
    FakeDropData data(c.data);

    form.DropFile(data);

    EXPECT_EQ(view.questions, c.answer == kNotAsked ? std::vector<Str>{} : std::vector<Str>{c.question});
    EXPECT_EQ(view.text1, c.root);
    EXPECT_EQ(view.status, c.status);
    EXPECT_EQ(view.messages, c.message ? std::vector<Str>{c.message} : std::vector<Str>{});
    EXPECT_EQ(fs.listings() > listingsBefore, c.status.starts_with(u"Complate.")) << "searched";
    ExpectIdleButton();
  }
}

TEST_F(Drop, AnswerNoLeavesTheRowsOfTheLastSearch) {
  Search(u"C:\\Data");
  const std::vector<std::string> rows = RowPaths();
  view.answerYes = false;
  FakeDropData data(DroppedFiles::Names({u"D:\\Data", u"D:\\top.txt"}));
  // Another drop while the question is open is refused from the start.
  FakeDropData other(DroppedFiles::Names({u"C:\\Data\\A"}));
  view.onQuestion = [&] {
    EXPECT_FALSE(form.TakesDrops());
    form.DropFile(other);
  };
  form.DropFile(data);
  EXPECT_EQ(other.reads, 0);
  EXPECT_EQ(view.questions, std::vector<Str>{Str(u"D:\\Data\\") + u"をルートにして読み込みます。よろしいですか?"});
  EXPECT_EQ(RowPaths(), rows);
  EXPECT_EQ(view.text1, u"C:\\Data\\");
  EXPECT_EQ(view.status, u"Complate. All Search 7Files , 3345Bytes.");
}

TEST_F(Drop, AFailureWhileSearchingShowsTheDropErrorAndLeavesTheRootBoxWritten) {
  // The status bar cannot take any text but the drop's own error: the run
  // fails, and so does its error path, so the failure reaches the drop.
  view.onStatus = [](const Str& text) {
    if (text != u"Error : ???") throw std::bad_alloc();
  };
  FakeDropData data(DroppedFiles::Names({u"C:\\Data\\a.txt"}));
  form.DropFile(data);
  EXPECT_EQ(view.messages, std::vector<Str>{u"エラーが発生しました。"});
  EXPECT_EQ(view.status, u"Error : ???");
  EXPECT_EQ(view.text1, u"C:\\Data\\");
  EXPECT_FALSE(form.SearchRunning());
}

TEST_F(Drop, ADropDuringARunIsNeitherReadNorShownAndTheRunGoesOn) {
  FakeDropData files(DroppedFiles::Names({u"D:\\Data"}));
  FakeDropData text(DroppedFiles::NotFiles());
  int dropsDuringRun = 0;
  view.onPump = [&](int pump) {
    if (pump != 1) return;
    // Both arrive while the first subfolder is counted; the source is told
    // from the start that nothing will be dropped.
    view.Post([&] {
      EXPECT_FALSE(form.TakesDrops());
      form.DropFile(files);
      form.DropFile(text);
      dropsDuringRun += form.SearchRunning() ? 1 : 0;
    });
  };
  Search(u"C:\\Data");
  EXPECT_EQ(dropsDuringRun, 1);
  EXPECT_EQ(files.reads + text.reads, 0);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_TRUE(view.questions.empty());
  EXPECT_EQ(view.text1, u"C:\\Data\\");
  EXPECT_EQ(view.status, u"Complate. All Search 7Files , 3345Bytes.");
  EXPECT_EQ(RowPaths(), (std::vector<std::string>{"C:\\Data\\A\\", "C:\\Data\\B\\", "C:\\Data\\a.txt\\",
                                                  "C:\\Data\\b.txt\\"}));
  ExpectIdleButton();

  // Afterwards the same drop is welcome and searches its folder.
  EXPECT_TRUE(form.TakesDrops());
  form.DropFile(files);
  EXPECT_EQ(view.text1, u"D:\\Data\\");
  EXPECT_EQ(view.status, u"Complate. All Search 0Files , 0Bytes.");
}

TEST(DropEffect, NeverMoveAndNoneWhileNoDropIsTaken) {
  const struct {
    std::uint32_t allowed;
    bool takes;
    std::uint32_t answer;
  } cases[] = {
      {kDropEffectCopy | kDropEffectMove | kDropEffectLink, true, kDropEffectCopy},
      {kDropEffectCopy | kDropEffectMove, true, kDropEffectCopy},
      {kDropEffectMove | kDropEffectLink, true, kDropEffectLink},
      {kDropEffectMove, true, kDropEffectNone},
      {kDropEffectNone, true, kDropEffectNone},
      {kDropEffectCopy | 0x80000000u, true, kDropEffectCopy},  // scroll bit
      {kDropEffectCopy | kDropEffectMove | kDropEffectLink, false, kDropEffectNone},
  };
  for (const auto& c : cases) EXPECT_EQ(DropEffectFor(c.allowed, c.takes), c.answer) << c.allowed << c.takes;
}

}  // namespace
}  // namespace tarnwick::testing
