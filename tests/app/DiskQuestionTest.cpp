#include <chrono>
#include <functional>
#include <thread>

#include "app/SearchFixture.h"
#include "fakes/FakeDropData.h"

// Runs whose questions about paths go to worker threads, as in the program:
// none is asked on the window's thread, each wait is given up like a
// listing, and a disk that stops answering holds a bounded number of them.

namespace tarnwick::testing {
namespace {

// Workers are let go, not joined: waits for all but `alive` of them to end.
bool WorkersEndUntil(int alive) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (ReadAheadFileSystem::WorkersAlive() > alive && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::yield();
  }
  return ReadAheadFileSystem::WorkersAlive() <= alive;
}

class DiskQuestions : public SearchFixture {
 protected:
  void SetUp() override {
    SearchFixture::SetUp();
    form.ListOnWorkers(2);
  }
  // Once a question under `prefix` (after the first `letThrough`) hangs
  // and `rows` rows are listed, the disk answers again and `action` runs as
  // the user's in `v`'s next pass, before the wait sees the answer.
  void WhenHeld(FakeFormView& v, const Form1& f, const Str& prefix, int letThrough, int rows,
                std::function<void()> action) {
    fs.Hang(prefix, letThrough);
    v.onPump = [this, &v, &f, rows, action, posted = false](int) mutable {
      if (posted || fs.Held() == 0 || f.ListView1().Count() != rows) return;
      posted = true;
      // Meanwhile the window acts as during a run.
      EXPECT_EQ(v.caption, u"Cancel");
      EXPECT_FALSE(v.IsEnabled(Control::Text1));
      v.Post([this, action] {
        fs.Release();
        action();
      });
    };
  }
  const std::thread::id window_ = std::this_thread::get_id();
};

TEST_F(DiskQuestions, NoQuestionOfARunOrADropIsAskedOnTheWindowsThread) {
  Search(u"C:\\Data\\b.txt");
  EXPECT_EQ(view.status, u"Complate. All Search 7Files , 3345Bytes.");
  FakeDropData drop(DroppedFiles::Names({u"C:\\Data\\A"}));
  form.DropFile(drop);
  EXPECT_EQ(view.text1, u"C:\\Data\\A\\");
  EXPECT_EQ(fs.AskedFrom(window_), 0);
}

TEST_F(DiskQuestions, EveryStopEndsWithTheWindowIdle) {
  const Str cancelled = u"Search is Canceld By User.";
  const struct {
    const char* what;
    const char16_t* hang;  // the first question under it, after `letThrough`, hangs
    int letThrough;
    int rowsBefore;  // the action waits for these rows too
    std::function<void(Form1&)> action;
    Str text1;  // the root box at the end
    Str status;  // its beginning
    int rows;
    int unloads;
  } cases[] = {
      {"Esc during the check", u"C:\\Data", 0, 0, [](Form1& f) { f.Command1_Click(); }, u"C:\\Data", u"", 0, 0},
      {"a second press made before the check", u"C:\\Data", 0, 0, [](Form1& f) { f.Command1_Click(999); },
       u"C:\\Data\\", u"Complate.", 4, 0},
      {"a go-up during the check", u"C:\\Data", 0, 0, [](Form1& f) { f.Command4_Click(); }, u"C:\\", u"Complate.", 1,
       0},
      {"Esc during the root files' listing", u"C:\\Data", 2, 0, [](Form1& f) { f.Command1_Click(); }, u"C:\\Data\\",
       cancelled, 0, 0},
      {"Esc during a listing", u"C:\\Data\\B", 0, 3, [](Form1& f) { f.Command1_Click(); }, u"C:\\Data\\", cancelled,
       3, 0},
      {"a close during a listing", u"C:\\Data\\B", 0, 3, [](Form1& f) { f.Form_QueryUnload(); }, u"C:\\Data\\",
       cancelled, 3, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFormView v;
    Form1 f{v, fs};
    f.ListOnWorkers(2);
    WhenHeld(v, f, c.hang, c.letThrough, c.rowsBefore, [&f, &c] { c.action(f); });
    v.text1 = u"C:\\Data";
    f.Command1_Click();
    EXPECT_EQ(v.caption, u"Search");
    EXPECT_TRUE(v.IsEnabled(Control::Command1) && v.IsEnabled(Control::Text1));
    EXPECT_FALSE(f.SearchRunning());
    EXPECT_EQ(v.text1, c.text1);
    EXPECT_EQ(v.status.rfind(c.status, 0), 0u) << ToUtf8(v.status);
    EXPECT_EQ(f.ListView1().Count(), c.rows);
    EXPECT_EQ(v.unloads, c.unloads);
    EXPECT_EQ(fs.AskedFrom(window_), 0);
  }
}

TEST_F(DiskQuestions, ADeadShareHoldsAtMostFourWorkersWhichEndWhenItAnswers) {
  ASSERT_TRUE(WorkersEndUntil(0));
  fs.AddFolder(u"C:\\Dead");
  fs.Hang(u"C:\\Dead");
  for (int run = 1; run <= 6; ++run) {
    // Esc once this run's check waits: on a worker held by the share, or,
    // with four held, for one of them.
    view.onPump = [this, run](int) {
      if (fs.Held() == std::min(run, 4) && view.queue.empty()) view.Post([this] { form.Command1_Click(); });
    };
    Search(u"C:\\Dead");
    ExpectIdleButton();
    EXPECT_EQ(view.text1, u"C:\\Dead");
  }
  EXPECT_EQ(ReadAheadFileSystem::WorkersAlive(), 4);
  EXPECT_EQ(fs.listings(), 0);
  fs.Release();
  EXPECT_TRUE(WorkersEndUntil(0));
}

}  // namespace
}  // namespace tarnwick::testing
