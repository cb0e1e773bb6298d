#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/Form1.h"
#include "fakes/FakeFormView.h"
#include "fakes/MemoryFileSystem.h"

namespace tarnwick {
namespace {

using Room = testing::MemoryFileSystem::Room;

// A search's rows by full path: size on disk, "サイズ" and the tip.
struct Shown {
  Str onDisk, size, tip;
};

class SizeOnDisk : public ::testing::Test {
 protected:
  void File(const Str& path, std::uint64_t length, Room room, std::uint32_t attributes = kAttrArchive,
            std::uint32_t reparseTag = 0) {
    fs.AddFile(u"C:\\R\\" + path, length, attributes, reparseTag);
    fs.SetRoom(u"C:\\R\\" + path, room);
  }

  std::map<Str, Shown> Search() {
    view.text1 = u"C:\\R";
    form.Command1_Click();
    std::map<Str, Shown> rows;
    const ListModel& list = form.ListView1();
    for (int i = 1; i <= list.Count(); ++i) {
      rows[list.SubItem(i, kSubBareName)] = {list.SubItem(i, kSubOnDisk), list.SubItem(i, kSubSize), list.Tip(i)};
    }
    return rows;
  }

  testing::MemoryFileSystem fs;
  testing::FakeFormView view;
  Form1 form{view, fs};
};

TEST_F(SizeOnDisk, EachFileTakesItsRoomOnceAndOnlineOnlyFilesAreNeverOpened) {
  constexpr std::uint32_t kDedup = kAttrArchive | kAttrReparsePoint;
  fs.AddFolder(u"C:\\R");
  // Root files come first in the scan: one of them claims a file that a
  // subfolder links to as well.
  File(u"root.bin", 5000, {8192, {1}});
  File(u"shared.bin", 3000, {4096, {7}});
  fs.AddFolder(u"C:\\R\\A");
  File(u"A\\doc", 4096, {4096, {2}});
  File(u"A\\doc link", 4096, {4096, {2}});
  File(u"A\\sparse", 10000000, {10000000, {3}, 1, 65536}, kAttrArchive | kAttrSparseFile);
  File(u"A\\packed", 200000, {0, {4}, 1, 50000}, kAttrArchive | kAttrCompressed);
  File(u"A\\deduplicated", 100000, {100000, {5}, 1, 30000}, kDedup, kReparseTagDedup);
  fs.AddFolder(u"C:\\R\\B");
  File(u"B\\x", 4096, {4096, {6}});
  File(u"B\\shared link", 3000, {4096, {7}});
  // Kept in its directory record: no allocation, nothing to ask.
  File(u"B\\tiny", 100, {0, {8}, 1, 4096});
  fs.AddFolder(u"C:\\R\\C");
  File(u"C\\x link", 4096, {4096, {6}});
  File(u"C\\on open", 1000000, {0, {9}, 1, 1000000}, kAttrArchive | kAttrRecallOnOpen);
  File(u"C\\on access", 2000, {0, {10}, 1, 2000}, kAttrArchive | kAttrSparseFile | kAttrRecallOnDataAccess);
  File(u"C\\offline", 3000, {4096, {11}, 1, 3000}, kAttrArchive | kAttrOffline);
  fs.AddFolder(u"C:\\R\\E");
  File(u"E\\cloud", 5000, {0, {12}}, kAttrArchive | kAttrOffline);
  fs.AddFolder(u"C:\\R\\D");
  // The same ID on another volume is another file.
  File(u"D\\doc", 4096, {4096, {2}, 2});

  std::map<Str, Shown> rows = Search();
  const std::map<Str, std::pair<Str, Str>> expected{
      {u"root.bin", {u"8,192", u"5,000"}}, {u"shared.bin", {u"4,096", u"3,000"}},
      {u"A", {u"149,632", u"10,308,192"}},  {u"B", {u"4,096", u"7,196"}},
      {u"C", {u"4,096", u"1,009,096"}},     {u"D", {u"4,096", u"4,096"}},
      {u"E", {u"0", u"5,000"}},
  };
  ASSERT_EQ(rows.size(), expected.size());
  for (const auto& [name, texts] : expected) {
    EXPECT_EQ(rows[name].onDisk, texts.first) << ToUtf8(name);
    EXPECT_EQ(rows[name].size, texts.second) << ToUtf8(name);
  }
  EXPECT_NE(rows[u"A"].tip.find(u"1 hard link "), Str::npos) << ToUtf8(rows[u"A"].tip);
  EXPECT_NE(rows[u"C"].tip.find(u"1 hard link "), Str::npos) << ToUtf8(rows[u"C"].tip);
  EXPECT_NE(rows[u"C"].tip.find(u"3 files are online only: 1,005,000 bytes"), Str::npos) << ToUtf8(rows[u"C"].tip);
  EXPECT_TRUE(rows[u"D"].tip.empty());

  // Only files whose allocation may be wrong are opened, never an online-only one.
  std::vector<Str> opened = fs.FilesOpened();
  std::sort(opened.begin(), opened.end());
  EXPECT_EQ(opened, (std::vector<Str>{u"C:\\R\\A\\deduplicated", u"C:\\R\\A\\packed", u"C:\\R\\A\\sparse"}));

  // Nothing is asked of a remote share, nor on a volume that can neither
  // compress files nor leave holes in them: the listing's allocation stands.
  for (const VolumeFacts& volume : {VolumeFacts{.remote = true}, VolumeFacts{.shrinksFiles = false}}) {
    fs.volume = volume;
    rows = Search();
    EXPECT_EQ(rows[u"A"].onDisk, u"10,104,096");
    EXPECT_EQ(fs.FilesOpened().size(), 3u);
  }
}

}  // namespace
}  // namespace tarnwick
