#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Main.h"
#include "fakes/FakeFormView.h"
#include "fakes/MemoryFileSystem.h"

namespace tarnwick {
namespace {

// Records what start-up does to the window, in order, with the value of the
// loaded form's SortColumn at each step.
class RecordingView : public testing::FakeFormView {
 public:
  std::vector<std::string> steps;
  const Form1* form = nullptr;
  void SetText1(const Str& text) override {
    const std::string column = form != nullptr ? std::to_string(form->Sorting().SortColumn()) : "none";
    steps.push_back("SetText1 " + ToUtf8(text) + " SortColumn=" + column);
    FakeFormView::SetText1(text);
  }
  void Show() override {
    steps.push_back("Show");
    FakeFormView::Show();
  }
};

class RecordingLoader : public FormLoader {
 public:
  RecordingView view;
  testing::MemoryFileSystem fs;
  std::optional<Form1> form;
  Form1& LoadForm1() override {
    view.steps.push_back(form ? "loaded twice" : "LoadForm1");
    form.emplace(view, fs);
    view.form = &*form;
    return *form;
  }
  FormView& View() override { return view; }
};

TEST(Main, LoadsSortingBySizeThenFillsText1ThenShows) {
  RecordingLoader loader;
  // The quotation marks stay part of the root text, which the system then
  // refuses as a path: the start-up search only shows why.
  loader.fs.FailProbe(u"\"C:\\My Data\"");
  Main(u"tarnwick.exe \"C:\\My Data\"", loader);
  EXPECT_EQ(loader.view.steps,
            (std::vector<std::string>{"LoadForm1", "SetText1 \"C:\\My Data\" SortColumn=5", "Show"}));
  EXPECT_EQ(loader.view.text1, u"\"C:\\My Data\"");
  EXPECT_EQ(loader.view.messages,
            std::vector<Str>{u"不正なパスです。アクセス拒否やメディアがない、などの理由が考えられます｡ "});
}

TEST(Main, AFolderOnTheCommandLineIsSearchedAtOnce) {
  RecordingLoader loader;
  loader.fs.AddFolder(u"C:\\My Data\\sub");
  loader.fs.AddFile(u"C:\\My Data\\sub\\f", 42);
  Main(u"tarnwick.exe C:\\My Data", loader);
  EXPECT_EQ(loader.view.text1, u"C:\\My Data\\");
  EXPECT_EQ(loader.view.status, u"Complate. All Search 1Files , 42Bytes.");
  EXPECT_EQ(loader.form->ListView1().Count(), 1);
}

TEST(Main, WithoutArgumentsText1IsSetEmptyAndTheWindowShown) {
  RecordingLoader loader;
  loader.view.text1 = u"left over";
  Main(u"\"C:\\Program Files\\Tarnwick\\tarnwick.exe\"  ", loader);
  EXPECT_EQ(loader.view.steps, (std::vector<std::string>{"LoadForm1", "SetText1  SortColumn=5", "Show"}));
  EXPECT_EQ(loader.view.text1, u"");
  EXPECT_TRUE(loader.view.shown);
}

}  // namespace
}  // namespace tarnwick
