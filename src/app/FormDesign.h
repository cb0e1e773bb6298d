#pragma once
// The main window as designed: each control's caption, place and size in
// twips (1440 to the inch) and its place in the tab order, the list's
// columns, and the fixed texts. The Win32 window turns twips into pixels for
// the DPI of the monitor it is on.
#include <array>

namespace tarnwick {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

constexpr char16_t kAppTitle[] = u"Tarnwick";
constexpr char16_t kCommand4ToolTip[] = u"１つ上のフォルダを開いて検」";
constexpr char16_t kPop1Caption[] = u"Pop1";
constexpr char16_t kPop1Open[] = u"開いて検索";
constexpr char16_t kPop2Caption[] = u"Pop2";
constexpr char16_t kPop2GoUp[] = u"1つ上のフォルダを検索";

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

enum class DesignedControl {
  ListView1,
  StatusBar1,
  Text1,
  Label1,
  Command1,
  Command2,
  Check1,
  Option1_0,
  Option1_1,
  Option1_2,
  Command4,
};

struct ControlDesign {
  DesignedControl control;
  const char16_t* caption;
  TwipsRect rect;
  int tabIndex;
};

// In tab order, which is also the order the window creates them in: the
// system's Tab key follows creation order.
constexpr std::array<ControlDesign, 11> kForm1Controls{{
    {DesignedControl::ListView1, u"", {60, 1260, 9135, 4935}, 0},
    {DesignedControl::StatusBar1, u"", {0, 9510, 9435, 375}, 1},
    {DesignedControl::Text1, u"", {60, 420, 5835, 285}, 2},
    {DesignedControl::Label1, u"Root Directory", {60, 180, 1215, 255}, 3},
    {DesignedControl::Command1, u"Search", {120, 840, 855, 315}, 4},
    {DesignedControl::Command2, u"", {1320, 60, 375, 315}, 5},
    {DesignedControl::Check1, u"View Full Path", {1320, 900, 1455, 195}, 6},
    {DesignedControl::Option1_0, u"GB", {3180, 900, 615, 195}, 7},
    {DesignedControl::Option1_1, u"MB", {3900, 900, 555, 195}, 8},
    {DesignedControl::Option1_2, u"KB", {4620, 900, 615, 195}, 9},
    {DesignedControl::Command4, u"", {1740, 60, 315, 315}, 10},
}};

constexpr int kForm1ClientWidth = 9435;
constexpr int kForm1ClientHeight = 9885;

struct ColumnDesign {
  const char16_t* caption;
  int widthTwips;
  bool rightAligned;
};

// Five visible columns, then seven of zero width that only hold row data.
constexpr std::array<ColumnDesign, 12> kListView1Columns{{
    {u"フォルダ名", 2400, false},
    {u"サイズ(簡略)", 1200, true},
    {u"サイズ", 1440, true},
    {u"ファイル数", 1000, true},
    {u"ディレクトリ数", 1250, true},
    {u"", 0, false},
    {u"", 0, false},
    {u"", 0, false},
    {u"", 0, false},
    {u"", 0, false},
    {u"", 0, false},
    {u"", 0, false},
}};

// Pictures are designed at 16 x 16 pixels at the default DPI.
constexpr int kPicturePixels = 16;

// Nearest whole pixel for a length in twips at the given DPI.
int TwipsToPixels(int twips, int dpi);
PixelRect ToPixels(const TwipsRect& twips, int dpi);

// A length in pixels at one DPI, at another (nearest whole pixel).
int ScaleForDpi(int pixels, int fromDpi, int toDpi);

// The resize rule: ListView1 spans the client width and reaches from its own
// top down to the status bar. A client area too small for that (a minimised
// or tiny window) gives a height of zero, never a negative one.
PixelRect ListView1Bounds(int clientWidth, int clientHeight, int listTop, int statusBarHeight);

}  // namespace tarnwick
