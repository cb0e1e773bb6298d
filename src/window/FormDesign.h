#pragma once
// The main window as designed: each control's identifier, kind, caption,
// place and size in twips and its place in the tab order, and the pop-up
// menus. The Win32 window builds itself from these tables and turns twips into
// pixels for the DPI of the monitor it is on.
#include <array>

#include "window/PublicTexts.h"
#include "base/Twips.h"

namespace tarnwick {

constexpr char16_t kCommand4ToolTip[] = u"１つ上のフォルダを開いて検」";
constexpr char16_t kPop1Caption[] = u"Pop1";
constexpr char16_t kPop1Open[] = u"開いて検索";
constexpr char16_t kPop2Caption[] = u"Pop2";
constexpr char16_t kPop2GoUp[] = u"1つ上のフォルダを検索";

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

// Child-window and menu-item identifiers; IDOK (1) and IDCANCEL (2) stay
// free for the Enter and Esc keys.
enum ControlId : int {
  kIdListView1 = 1001,
  kIdStatusBar1,
  kIdText1,
  kIdLabel1,
  kIdCommand1,
  kIdCommand2,
  kIdCheck1,
  kIdOption1_0,
  kIdOption1_1,
  kIdOption1_2,
  kIdCommand4,
  kIdPop1Open = 2001,
  kIdPop2GoUp,
};

// What sort of control each one is; the window picks the system's class and
// style for each kind.
enum class ControlKind {
  ReportList,     // the result list: report view, one selected row
  StatusBar,      // docked along the bottom edge, with a size grip
  TextBox,        // one line, scrolls sideways
  Label,          // clips rather than wraps
  DefaultButton,  // pressed by Enter
  PictureButton,  // a push button that shows an icon
  CheckBox,
  FirstOption,  // starts a group of option buttons
  Option,       // a further button of that group
};

struct ControlDesign {
  DesignedControl control;
  int id;
  ControlKind kind;
  const char16_t* caption;
  TwipsRect rect;
};

// In tab order, which is also the order the window creates them in: the
// system's Tab key follows creation order.
constexpr std::array<ControlDesign, 11> kForm1Controls{{
    {DesignedControl::ListView1, kIdListView1, ControlKind::ReportList, u"", {60, 1260, 9135, 4935}},
    {DesignedControl::StatusBar1, kIdStatusBar1, ControlKind::StatusBar, u"", {0, 9510, 9435, 375}},
    {DesignedControl::Text1, kIdText1, ControlKind::TextBox, u"", {60, 420, 5835, 285}},
    {DesignedControl::Label1, kIdLabel1, ControlKind::Label, u"Root Directory", {60, 180, 1215, 255}},
    {DesignedControl::Command1, kIdCommand1, ControlKind::DefaultButton, kSearchCaption, {120, 840, 855, 315}},
    {DesignedControl::Command2, kIdCommand2, ControlKind::PictureButton, u"", {1320, 60, 375, 315}},
    {DesignedControl::Check1, kIdCheck1, ControlKind::CheckBox, u"View Full Path", {1320, 900, 1455, 195}},
    {DesignedControl::Option1_0, kIdOption1_0, ControlKind::FirstOption, u"GB", {3180, 900, 615, 195}},
    {DesignedControl::Option1_1, kIdOption1_1, ControlKind::Option, u"MB", {3900, 900, 555, 195}},
    {DesignedControl::Option1_2, kIdOption1_2, ControlKind::Option, u"KB", {4620, 900, 615, 195}},
    {DesignedControl::Command4, kIdCommand4, ControlKind::PictureButton, u"", {1740, 60, 315, 315}},
}};

// The design of one control.
constexpr const ControlDesign& DesignOf(DesignedControl control) {
  for (const ControlDesign& design : kForm1Controls) {
    if (design.control == control) return design;
  }
  return kForm1Controls[0];
}

constexpr int kForm1ClientWidth = 9435;
constexpr int kForm1ClientHeight = 9885;

// Pictures are designed at 16 x 16 pixels at the default DPI.
constexpr int kPicturePixels = 16;

// The resize rule: ListView1 spans the client width and reaches from its own
// top down to the status bar. A client area too small for that (a minimised
// or tiny window) gives a height of zero, never a negative one.
PixelRect ListView1Bounds(int clientWidth, int clientHeight, int listTop, int statusBarHeight);

// A control that stretches with the window (the root box): its design width
// plus what the client area has beyond its design width, never less.
int StretchedWidth(int designWidth, int clientWidth, int designClientWidth);

// The smallest client area that keeps the top row of controls whole and
// kMinimumListRows rows of ListView1 in view: `topRowRight` the right edge
// of the rightmost control above the list plus its margin, `listChrome` what
// the list takes besides its rows (frame, headers, a horizontal scroll bar).
inline constexpr int kMinimumListRows = 5;
struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};
PixelSize MinimumClientSize(int topRowRight, int listTop, int listChrome, int rowHeight, int statusBarHeight);
// The right edge of the controls above the list, with the margin the design
// leaves on their left, in twips.
int TopRowRightTwips();

// Where the first status panel ends: the second takes the width its text
// needs, at most half the bar, and the first ends where it begins.
int FirstPanelRight(int barWidth, int secondPanelNeeds);

// A window placed inside a monitor's work area: as large as asked where
// that fits, moved in from any edge it would cross.
PixelRect FitIntoArea(const PixelRect& window, const PixelRect& area);

}  // namespace tarnwick
