#pragma once
// The events of the main window's controls, each declared once here: the
// Win32 window calls them and Form1 handles them (its handlers carry these
// names, declared from this list). A receiver that cares for only some, as
// the tests of the window do, leaves the others to the empty defaults.
#include <cstdint>

#include "nav/Drop.h"

// EVENT(handler name, parameter types). In order:
// - Command1 ("Search" / "Cancel", Enter and Esc) pressed at a time on the
//   window's clock: that of the input that pressed it (a press not made by
//   input: the time it was handled), taken in the role the button had then;
// - Command2 (the folder picker), Command4 (go up), Check1 ("View Full
//   Path") clicked; Option1 button Index clicked;
// - the header Index (1 for the first) of ListView1 clicked;
// - the window about to close;
// - a drop on ListView1 or Text1;
// - status panel Index (from 1) clicked;
// - a mouse button (1 left, 2 right, 4 middle) released over ListView1, with
//   the shift state and the place in the units of the list's hit test;
// - ListView1 double-clicked; a key (code, shift state) pressed in it; its
//   context menu asked for by the keyboard.
#define TARNWICK_FORM1_EVENTS(EVENT)                                      \
  EVENT(Command1_Click, (std::uint64_t))                                  \
  EVENT(Command2_Click, ())                                               \
  EVENT(Command4_Click, ())                                               \
  EVENT(Check1_Click, ())                                                 \
  EVENT(Option1_Click, (int))                                             \
  EVENT(ListView1_ColumnClick, (int))                                     \
  EVENT(Form_QueryUnload, ())                                             \
  EVENT(DropFile, (DropData&))                                            \
  EVENT(StatusBar1_PanelClick, (int))                                     \
  EVENT(ListView1_MouseUp, (std::int16_t, std::int16_t, float, float))    \
  EVENT(ListView1_DblClick, ())                                           \
  EVENT(ListView1_KeyDown, (std::int16_t, std::int16_t))                  \
  EVENT(ListView1_ContextMenu, ())

namespace tarnwick {

class FormEvents {
 public:
  virtual ~FormEvents() = default;
#define TARNWICK_DECLARE_EVENT(name, parameters) virtual void name parameters {}
  TARNWICK_FORM1_EVENTS(TARNWICK_DECLARE_EVENT)
#undef TARNWICK_DECLARE_EVENT
  // What the window asks before it acts on its own: whether a drop now
  // would be taken, and whether a search is running under its messages.
  virtual bool TakesDrops() { return true; }
  virtual bool SearchRunning() { return false; }
};

}  // namespace tarnwick
