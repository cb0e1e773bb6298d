#pragma once
// A window with the in-memory disk: C:\Data holds two root files and the
// folders A (3 files, 1000 bytes) and B (4 files, 2345 bytes, one subfolder).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakeFormView.h"
#include "fakes/MemoryFileSystem.h"

namespace tarnwick::testing {

class SearchFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.AddFolder(u"C:\\Data");
    fs.AddFile(u"C:\\Data\\a.txt", 10);
    fs.AddFile(u"C:\\Data\\b.txt", 20);
    fs.AddFolder(u"C:\\Data\\A");
    fs.AddFile(u"C:\\Data\\A\\1", 100);
    fs.AddFile(u"C:\\Data\\A\\2", 400);
    fs.AddFile(u"C:\\Data\\A\\3", 500);
    fs.AddFolder(u"C:\\Data\\B");
    fs.AddFile(u"C:\\Data\\B\\1", 345);
    fs.AddFolder(u"C:\\Data\\B\\B1");
    fs.AddFile(u"C:\\Data\\B\\B1\\1", 1000);
    fs.AddFile(u"C:\\Data\\B\\B1\\2", 500);
    fs.AddFile(u"C:\\Data\\B\\B1\\3", 500);
  }

  void Search(const Str& text) {
    view.text1 = text;
    form.Command1_Click();
  }

  // Full paths (sub-item 7) of the rows in display order.
  std::vector<std::string> RowPaths() const {
    std::vector<std::string> paths;
    const ListModel& list = form.ListView1();
    for (int i = 1; i <= list.Count(); ++i) paths.push_back(ToUtf8(list.SubItem(i, kSubFullPath)));
    return paths;
  }

  void ExpectIdleButton() {
    EXPECT_EQ(view.caption, u"Search");
    EXPECT_TRUE(view.IsEnabled(Control::Command1));
    EXPECT_TRUE(view.isDefault);
    EXPECT_FALSE(view.isCancel);
    EXPECT_FALSE(form.SearchRunning());
  }

  MemoryFileSystem fs;
  FakeFormView view;
  Form1 form{view, fs};
};

}  // namespace tarnwick::testing
