#include <new>

#include "app/SearchFixture.h"

// Stopping a run, closing the window and going up while a run is active: the
// user's actions are queued in the fake window and run wherever the search
// lets window messages run.

namespace tarnwick::testing {
namespace {

using V = std::vector<std::string>;

class SearchStop : public SearchFixture {
 protected:
  // Five subfolders S1..S5 of C:\Five, each holding a nested folder.
  void MakeFive() {
    fs.AddFolder(u"C:\\Five");
    fs.AddFile(u"C:\\Five\\root.txt", 1);
    for (char16_t c = u'1'; c <= u'5'; ++c) {
      const Str s = Str(u"C:\\Five\\S") + c;
      fs.AddFolder(s);
      fs.AddFolder(s + u"\\inner");
      fs.AddFile(s + u"\\inner\\f", 10 * (c - u'0'));
    }
  }
  // Runs `action` as a user action at the first progress report that names
  // `folder`.
  void AtProgressOf(const Str& folder, std::function<void()> action) {
    view.onStatus = [this, folder, action, done = false](const Str& text) mutable {
      if (!done && text.find(u"Bytes in " + folder + u".") != Str::npos) {
        done = true;
        view.Post(action);
      }
    };
  }
  std::vector<std::string> listed;
  void RecordListings() {
    fs.onList = [this](const Str& p) { listed.push_back(ToUtf8(p)); };
  }
};

TEST_F(SearchStop, CancelWhileTheThirdOfFiveSubfoldersIsCounted) {
  MakeFive();
  RecordListings();
  AtProgressOf(u"C:\\Five\\S3\\inner\\", [this] {
    form.Command1_Click();
    // The stop request disables the button until the run has ended.
    EXPECT_FALSE(view.IsEnabled(Control::Command1));
  });
  Search(u"C:\\Five");
  EXPECT_EQ(RowPaths(), (V{"C:\\Five\\S1\\", "C:\\Five\\S2\\", "C:\\Five\\root.txt\\"}));
  EXPECT_EQ(view.status, u"Search is Canceld By User.");
  ExpectIdleButton();
  // S3 still reports itself on the way out; S4 and S5 are never entered.
  EXPECT_EQ(view.statusHistory[view.statusHistory.size() - 2], u"30Bytes in C:\\Five\\S3\\.");
  EXPECT_EQ(std::count(listed.begin(), listed.end(), "C:\\Five\\S4\\"), 0);
  EXPECT_EQ(std::count(listed.begin(), listed.end(), "C:\\Five\\S5\\"), 0);
}

TEST_F(SearchStop, CancelDuringTheYieldAfterARowCountsTheNextFolderOnlyUntilItsFirstReport) {
  MakeFive();
  RecordListings();
  // Pumps: S1 inner, S1, row S1 (3rd), S2 inner, ...
  view.onPump = [this](int n) {
    if (n == 3) view.Post([this] { form.Command1_Click(); });
  };
  Search(u"C:\\Five");
  EXPECT_EQ(RowPaths(), (V{"C:\\Five\\S1\\", "C:\\Five\\root.txt\\"}));
  EXPECT_EQ(view.status, u"Search is Canceld By User.");
  // S2 is begun and winds down; nothing after it is entered.
  EXPECT_EQ(std::count(listed.begin(), listed.end(), "C:\\Five\\S2\\inner\\"), 1);
  EXPECT_EQ(std::count(listed.begin(), listed.end(), "C:\\Five\\S3\\"), 0);
}

TEST_F(SearchStop, StopDuringTheLastRowsYieldStillReportsCancel) {
  view.onPump = [this](int n) {
    if (n == 5) view.Post([this] { form.Command1_Click(); });
  };
  Search(u"C:\\Data");
  EXPECT_EQ(form.ListView1().Count(), 4);
  EXPECT_EQ(view.status, u"Search is Canceld By User.");
}

TEST_F(SearchStop, APressMadeDuringTheRootFilePhaseWaitsForTheFirstYield) {
  view.Post([this] { form.Command1_Click(); });
  Search(u"C:\\Data");
  EXPECT_EQ(RowPaths(), (V{"C:\\Data\\a.txt\\", "C:\\Data\\b.txt\\"}));
  EXPECT_EQ(view.status, u"Search is Canceld By User.");
}

TEST_F(SearchStop, AStopNoticedAfterARootFileEndsTheRunThere) {
  // A slow clock lets the window run after every root file.
  view.clockStep = 100;
  view.onStatus = [this](const Str& text) {
    if (text == u"1Files in Root") view.Post([this] { form.Command1_Click(); });
  };
  Search(u"C:\\Data");
  EXPECT_EQ(RowPaths(), (V{"C:\\Data\\a.txt\\"}));
  EXPECT_EQ(view.status, u"Search is Canceld By User.");
  EXPECT_EQ(fs.listings(), 1);  // the subfolders are never listed
}

TEST_F(SearchStop, ClosingTheWindowStopsTheRunAndUnloadsOnceItEnds) {
  MakeFive();
  AtProgressOf(u"C:\\Five\\S2\\", [this] { form.Form_QueryUnload(); });
  Search(u"C:\\Five");
  EXPECT_EQ(view.status, u"Search is Canceld By User.");
  EXPECT_EQ(view.unloads, 1);
  EXPECT_EQ(RowPaths(), (V{"C:\\Five\\S1\\", "C:\\Five\\root.txt\\"}));
}

TEST_F(SearchStop, AfterACloseTheRunSeesOnlyWhatTheWindowLastShowed) {
  MakeFive();
  view.fullPath = true;
  AtProgressOf(u"C:\\Five\\S2\\", [this] {
    form.Form_QueryUnload();
    // A window that has gone answers nothing the run could trust.
    view.unit = 0;
    view.fullPath = false;
    view.text1.clear();
    form.Command1_Click();  // would find Text1 empty and say so
  });
  Search(u"C:\\Five");
  EXPECT_EQ(view.messages, std::vector<Str>{});
  EXPECT_EQ(view.unloads, 1);
  const ListRow row = form.ListView1().Row(1);
  EXPECT_EQ(row.text, u"C:\\Five\\S1\\");
  EXPECT_EQ(row.sub[kSubSimpleSize], u"0.0MB");
}

TEST_F(SearchStop, CloseTogetherWithGoUpUnloadsAndStartsNothingMore) {
  MakeFive();
  AtProgressOf(u"C:\\Five\\S1\\", [this] {
    form.Command4_Click();
    form.Form_QueryUnload();
  });
  Search(u"C:\\Five");
  EXPECT_EQ(view.unloads, 1);
  EXPECT_EQ(view.text1, u"C:\\Five\\");
}

TEST_F(SearchStop, CloseDuringAFailingRunStillEndsTheProgram) {
  AtProgressOf(u"C:\\Data\\A\\", [this] {
    form.Form_QueryUnload();
    throw std::bad_alloc();  // the run fails
  });
  Search(u"C:\\Data");
  EXPECT_EQ(view.status, u"Error. Search is Canceld.");
  EXPECT_EQ(view.unloads, 1);
}

TEST_F(SearchStop, GoUpPressedThreeTimesStopsTheRunThenGoesUpOnce) {
  MakeFive();
  AtProgressOf(u"C:\\Five\\S2\\", [this] {
    form.Command4_Click();
    form.Command4_Click();
    form.Command4_Click();
  });
  std::vector<Str> roots;
  fs.onList = [&roots](const Str& p) {
    if (p == u"C:\\" ) roots.push_back(p);
  };
  Search(u"C:\\Five");
  EXPECT_EQ(view.text1, u"C:\\");
  EXPECT_EQ(roots.size(), 1u);  // one run of C:\, which lists it once for its files and folders
  EXPECT_NE(std::find(view.statusHistory.begin(), view.statusHistory.end(), u"Search is Canceld By User."),
            view.statusHistory.end());
  EXPECT_EQ(view.status.rfind(u"Complate. All Search ", 0), 0u);
  EXPECT_EQ(RowPaths(), (V{"C:\\Five\\", "C:\\Data\\"}));
  ExpectIdleButton();
}

TEST_F(SearchStop, GoUpWhileTheRootNoLongerValidatesWaitsForTheRunsOwnEnd) {
  AtProgressOf(u"C:\\Data\\A\\", [this] {
    fs.FailProbe(u"C:\\Data\\");
    form.Command4_Click();
  });
  Search(u"C:\\Data");
  EXPECT_EQ(view.messages.size(), 1u);
  // The first run completed by itself, then the go-up searched C:\.
  EXPECT_NE(std::find(view.statusHistory.begin(), view.statusHistory.end(),
                      u"Complate. All Search 7Files , 3345Bytes."),
            view.statusHistory.end());
  EXPECT_EQ(view.text1, u"C:\\");
}

TEST_F(SearchStop, AGoUpAskedForDuringAFailedRunIsForgotten) {
  MakeFive();
  AtProgressOf(u"C:\\Five\\S1\\", [this] {
    fs.FailProbe(u"C:\\Five\\");  // the press does not stop the run
    form.Command4_Click();
    throw std::bad_alloc();  // the run fails
  });
  Search(u"C:\\Five");
  EXPECT_EQ(view.status, u"Error. Search is Canceld.");
  Search(u"C:\\Data");
  EXPECT_EQ(view.text1, u"C:\\Data\\");
}

TEST_F(SearchStop, FolderPickedDuringARunStopsItWithoutANewSearch) {
  MakeFive();
  view.folderToPick = u"C:\\Data\\";
  AtProgressOf(u"C:\\Five\\S1\\", [this] { form.Command2_Click(); });
  Search(u"C:\\Five");
  EXPECT_EQ(view.text1, u"C:\\Data\\");
  EXPECT_EQ(view.status, u"Search is Canceld By User.");
  EXPECT_EQ(RowPaths(), (V{"C:\\Five\\root.txt\\"}));
}

TEST_F(SearchStop, NoHandlerCanStartASecondRunInsideARun) {
  MakeFive();
  RecordListings();
  AtProgressOf(u"C:\\Five\\S1\\", [this] {
    view.text1 = u"C:\\Data";
    form.Command1_Click();
    form.C1C();
    form.GoUp();
  });
  Search(u"C:\\Five");
  EXPECT_EQ(view.status, u"Search is Canceld By User.");
  EXPECT_EQ(RowPaths(), (V{"C:\\Five\\root.txt\\"}));
  EXPECT_EQ(std::count(listed.begin(), listed.end(), "C:\\Data\\"), 0);
  EXPECT_EQ(std::count(listed.begin(), listed.end(), "C:\\"), 0);
}

}  // namespace
}  // namespace tarnwick::testing
