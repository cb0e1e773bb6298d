#include "app/SearchFixture.h"

namespace tarnwick::testing {
namespace {

class Navigation : public SearchFixture {
 protected:
  void SetUp() override {
    SearchFixture::SetUp();
    fs.AddFolder(u"C:\\Windows\\System32");
    fs.AddFolder(u"D:\\Data");
    fs.FailProbe(u"\\\\server\\");
  }
};

TEST_F(Navigation, GoUpWorksOnTheTextOfTheRootBox) {
  const struct {
    const char16_t* text;
    const char16_t* after;  // the root box afterwards
    bool searched;
    const char16_t* message;
  } cases[] = {
      {u"C:\\Windows\\System32\\", u"C:\\Windows\\", true, nullptr},
      {u"C:\\Windows\\", u"C:\\", true, nullptr},
      {u"C:\\Windows", u"C:\\", true, nullptr},
      {u"D:\\Data", u"D:\\", true, nullptr},  // typed, never searched
      {u"C:\\", u"C:\\", false, nullptr},
      {u"C:", u"C:", false, nullptr},
      {u"\\\\server\\share\\", u"\\\\server\\", false,
       u"不正なパスです。アクセス拒否やメディアがない、などの理由が考えられます｡ "},
      {u"abc", u"", false, u"パスが未入力です。"},
  };
  for (const auto& c : cases) {
    view.text1 = c.text;
    view.messages.clear();
    const int listingsBefore = fs.listings();
    form.Command4_Click();
    EXPECT_EQ(view.text1, c.after) << ToUtf8(c.text);
    EXPECT_EQ(fs.listings() > listingsBefore, c.searched) << ToUtf8(c.text);
    EXPECT_EQ(view.messages, c.message ? std::vector<Str>{c.message} : std::vector<Str>{}) << ToUtf8(c.text);
  }
}

TEST_F(Navigation, GoUpTwiceFromTwoLevelsDown) {
  fs.AddFolder(u"C:\\A\\B");
  Search(u"C:\\A\\B\\");
  form.Command4_Click();
  EXPECT_EQ(view.text1, u"C:\\A\\");
  EXPECT_EQ(RowPaths(), std::vector<std::string>{"C:\\A\\B\\"});
  form.Command4_Click();
  EXPECT_EQ(view.text1, u"C:\\");
  EXPECT_EQ(form.ListView1().Count(), 3);  // A, Data, Windows
}

TEST_F(Navigation, PickedFolderIsSearchedAndCancellingThePickerChangesNothing) {
  view.text1 = u"typed";
  view.folderToPick = u"";
  form.Command2_Click();
  EXPECT_EQ(view.text1, u"typed");
  EXPECT_EQ(fs.listings(), 0);

  view.folderToPick = u"C:\\Data\\";
  form.Command2_Click();
  EXPECT_EQ(view.text1, u"C:\\Data\\");
  EXPECT_EQ(view.status, u"Complate. All Search 7Files , 3345Bytes.");
}

TEST_F(Navigation, TheWindowDuringARunShowsTheCancelButtonAndLocksTheOptions) {
  int checked = 0;
  view.onPump = [&](int) {
    ++checked;
    EXPECT_EQ(view.caption, u"Cancel");
    EXPECT_FALSE(view.isDefault);
    EXPECT_TRUE(view.isCancel);
    EXPECT_TRUE(view.IsEnabled(Control::Command1));
    for (Control c : {Control::Text1, Control::Option1_0, Control::Option1_1, Control::Option1_2,
                      Control::Check1}) {
      EXPECT_FALSE(view.IsEnabled(c));
    }
    EXPECT_TRUE(form.SearchRunning());
  };
  Search(u"C:\\Data");
  EXPECT_GT(checked, 0);
  ExpectIdleButton();
}

}  // namespace
}  // namespace tarnwick::testing
