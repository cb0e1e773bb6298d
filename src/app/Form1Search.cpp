#include <exception>
#include <optional>

#include "app/Form1.h"
#include "app/StatusText.h"
#include "scan/Path.h"

// The "Search" button and the search run. The run executes inside the
// button's click handler on the one UI thread; the window stays alive only
// through the run's yields (the progress handler, a pass after each folder
// row and every so many root files, the waits for a listing), and every
// handler that can run there asks the run (SearchRun) what its phase allows.

namespace tarnwick {
namespace {

constexpr const char16_t* kNoPathText = u"パスが未入力です。";
constexpr const char16_t* kUnusablePathText =
    u"不正なパスです。アクセス拒否やメディアがない、などの理由が考えられます｡ ";
constexpr const char16_t* kNoFolderText = u"パスが不正です。";

constexpr Control kRunLockedControls[] = {Control::Text1, Control::Option1_0, Control::Option1_1, Control::Option1_2,
                                          Control::Check1};

}  // namespace

void Form1::Command1_Click() { PressSearch(view_.Text1()); }

void Form1::SearchFor(const Str& root) {
  const Str before = view_.Text1();
  view_.SetText1(root);
  PressSearch(before);
}

void Form1::PressSearch(const Str& textBefore) {
  if (run_.CheckingRoot()) {
    // "Cancel" while the root is checked: the check is abandoned at once.
    view_.SetEnabled(Control::Command1, false);
    run_.RequestStop();
    return;
  }
  // A press while the last press is still being checked adds nothing to it.
  if (run_.CheckingPress()) return;
  if (run_.Busy()) {
    PressStop();
    return;
  }
  if (view_.Text1().empty()) {
    view_.ShowMessage(kNoPathText);
    return;
  }
  // From here the press acts as a run: the button reads "Cancel", the root
  // cannot change, and the check is given up like a listing. The run ends
  // however the press is left, so that a run that could not even report its
  // failure does not turn every later press into a stop request.
  BeginRootCheck();
  struct RunWhilePressed {
    SearchRun& run;
    explicit RunWhilePressed(SearchRun& r) : run(r) {}
    ~RunWhilePressed() { run.Ended(); }
    RunWhilePressed(const RunWhilePressed&) = delete;
    RunWhilePressed& operator=(const RunWhilePressed&) = delete;
  } running(run_);
  const char16_t* refusal = nullptr;
  const std::optional<Str> folder = ValidatedRoot(view_.Text1(), refusal);
  if (!folder) {
    EndRootCheck(textBefore, refusal);
    return;
  }
  run_.RootPassed();
  GetALLDirSize(*folder);
}

void Form1::PressStop() {
  // The stop press validates the text too, on the run's workers; a check
  // the disk holds up is given up and the stop goes ahead.
  run_.BeginPressCheck();
  const char16_t* refusal = nullptr;
  const std::optional<Str> folder = ValidatedRoot(view_.Text1(), refusal);
  const bool gaveUp = run_.EndPressCheck();
  if (!folder && !gaveUp) {
    if (refusal != nullptr) view_.ShowMessage(refusal);
    return;
  }
  // The run notices the request at its next check.
  view_.SetEnabled(Control::Command1, false);
  run_.RequestStop();
}

std::optional<Str> Form1::ValidatedRoot(const Str& text, const char16_t*& refusal) try {
  // Each step tells a refused text from a question given up, which refuses
  // nothing.
  if (text.empty()) {
    refusal = kNoPathText;
    return std::nullopt;
  }
  const bool usable = CheckDir(text) != -1;
  if (run_.GaveUp()) return std::nullopt;
  if (!usable) {
    refusal = kUnusablePathText;
    return std::nullopt;
  }
  Str folder = GetDirFromDirOrFile(text);
  if (run_.GaveUp()) return std::nullopt;
  if (folder.empty()) {
    refusal = kNoFolderText;
    return std::nullopt;
  }
  return folder;
} catch (const std::exception&) {
  // What a check cannot get through (running out of memory, say) leaves
  // the text unusable.
  refusal = kUnusablePathText;
  return std::nullopt;
}

void Form1::BeginRootCheck() {
  run_.Started(fs_, listingWorkers_, Waiting());
  view_.SetCommand1Caption(kCancelCaption);
  cancelPeriods_.Began(view_.Milliseconds());
  view_.SetCommand1Cancel(true);
  view_.SetCommand1Default(false);
  EnableRunControls(false);
  view_.Repaint(Control::Command1);
}

void Form1::EndRootCheck(const Str& textBefore, const char16_t* refusal) {
  const bool abandoned = run_.CancelRequested();
  run_.ReleaseScanner();
  EnableRunControls(true);
  RestoreCommand1();
  run_.Ended();
  // Given up, the root box shows what it showed before the press.
  if (abandoned) view_.SetText1(textBefore);
  if (refusal != nullptr) view_.ShowMessage(refusal);
  const bool goUp = run_.TakeUpRequest();
  if (run_.UnloadPending()) {
    view_.Unload();
  } else if (goUp) {
    Command4_Click();
  }
}

void Form1::Command1_Click(std::uint64_t madeAt) {
  // A press is taken in the role the button had when it was made. One made
  // while it read "Cancel" asked to stop a run (or a check) that may have
  // ended meanwhile; one made before the current run began (a second click
  // while the first press still checked its root) never stops that run.
  if (run_.Busy() ? !cancelPeriods_.CoversCurrent(madeAt) : cancelPeriods_.Covers(madeAt)) return;
  Command1_Click();
}

void Form1::C1C() { Command1_Click(); }

// Root texts are read as the system reads a path, wherever they come from:
// "acc." and "acc  " name acc, not its parent. Both ask the run's disk,
// which asks its workers while the window runs.
std::int32_t Form1::CheckDir(const Str& st) {
  // Nothing is asked about a text too long to be a path.
  if (st.size() > kMaxPathLength) return -1;
  return Questions().ProbePattern(WithoutTrailingDotsAndBlanks(st)) ? 0 : -1;
}

Str Form1::GetDirFromDirOrFile(const Str& st) {
  Str path = WithoutTrailingDotsAndBlanks(st);
  if (path.size() <= kMaxPathLength && IsFolder(SafeGetAttr(Questions(), path))) return AddBackslash(path);
  // A file, nothing that exists, or a text too long to be a path: its
  // containing folder.
  return ContainingFolder(path);
}

void Form1::EnableRunControls(bool enabled) {
  for (Control c : kRunLockedControls) view_.SetEnabled(c, enabled);
}

void Form1::GetALLDirSize(const Str& Path) {
  // Anything the run does not absorb itself (running out of memory on a
  // huge tree, say) ends it through the error path rather than escaping into
  // the window procedure.
  try {
    ClearUnreadable();
    const Str root = AddBackslash(Path);
    view_.SetText1(root);
    EnableRunControls(false);
    view_.RepaintWindow();
    list_.Clear();
    run_.MakeScanner(this);
    windowPace_.Restart();

    EntryArray entries;
    run_.BeginRootFiles();
    PhaseEnd end = AddRootFiles(root, entries);
    EndRootFiles();
    if (end == PhaseEnd::Completed) end = AddSubfolders(root, entries);
    if (end == PhaseEnd::Failed) {
      FailRun();
      return;
    }
    FinishRun();
  } catch (const std::exception&) {
    FailRun();
  }
}

Form1::PhaseEnd Form1::AddRootFiles(const Str& root, EntryArray& entries) {
  if (!run_.GF().GFC_GetFiles(root, entries, false)) return PhaseEnd::Failed;
  const size_t n = UpperBound(entries);
  for (size_t i = 1; i <= n; ++i) {
    // Its length as the listing gave it; one the listing could not measure
    // (the file went meanwhile) ends the run as a failure.
    if (!entries[i].length) return PhaseEnd::Failed;
    AddList(RowFacts{entries[i].path + u'\\', run_.GF().RootFileTotals(entries[i]), kRootFileRow});
    // A root of many files keeps the window answering: a stop, Esc or a
    // close made meanwhile is seen by the check below. The counter is written
    // where the user can see it change (it costs more than the row itself):
    // at the first file, whenever the window runs, and at the last file, so
    // the text the phase leaves is exact.
    const bool due = windowPace_.Due();
    if (i == 1 || i == n || due) view_.SetStatusText(RootFileProgressText(static_cast<long long>(i)));
    if (due) view_.PumpMessages();
    if (run_.CancelRequested()) return PhaseEnd::Stopped;
  }
  return PhaseEnd::Completed;
}

void Form1::EndRootFiles() {
  // The rows were appended in listing order, unkeyed: a header click made
  // meanwhile orders them now, and the arrow follows.
  if (!run_.EndRootFiles()) return;
  SortAdd();
  sorter_.SetSorted(true);
}

Form1::PhaseEnd Form1::AddSubfolders(const Str& root, EntryArray& entries) {
  run_.GF().GFC_GetDirs(root, entries, false);
  const size_t m = UpperBound(entries);
  FolderTotals counted;
  for (size_t i = 1; i <= m; ++i) {
    const std::uint64_t unreadableBefore = unreadable_.Total();
    run_.GF().GFC_GetFileCoAndSize(entries[i].path, counted);
    ShowUnreadable();
    // The subfolder being counted when a stop arrives gets no row.
    if (run_.CancelRequested()) return PhaseEnd::Stopped;
    counted.Touched(entries[i].lastWrite);  // the subfolder's own time, as the root's listing gave it
    run_.Count(counted);
    AddList(RowFacts{entries[i].path, counted, kFolderRow}, unreadable_.Total() != unreadableBefore);
    // The window runs with the list complete, keyed and in order: a header
    // click, a stop or a close made meanwhile is handled here.
    view_.PumpMessages();
  }
  return PhaseEnd::Completed;
}

bool Form1::LetWindowRunIfDue() {
  if (!windowPace_.Due()) return false;
  view_.PumpMessages();
  return true;
}

void Form1::FinishRun() {
  run_.ReleaseScanner();
  EnableRunControls(true);
  ReDraw();
  ShowPlaceAfterRun();
  view_.Repaint(Control::ListView1);
  ShowUnreadable();
  const FolderTotals& totals = run_.RunTotals();
  view_.SetStatusText(run_.CancelRequested() ? Str(kCancelledText) : CompletionText(totals.files, totals.bytes));
  RestoreCommand1();
  run_.Ended();

  // Nothing of a go-up asked for before a close would be visible.
  const bool goUp = run_.TakeUpRequest();
  if (run_.UnloadPending()) {
    view_.Unload();
  } else if (goUp) {
    Command4_Click();
  }
}

void Form1::RestoreCommand1() {
  view_.SetCommand1Caption(kSearchCaption);
  cancelPeriods_.Ended(view_.Milliseconds());
  view_.SetEnabled(Control::Command1, true);
  view_.SetCommand1Cancel(false);
  view_.SetCommand1Default(true);
}

void Form1::FailRun() {
  // The run's error path: the rows added so far stay, so the user sees how
  // far it got, and the window is given back as at the end of any run.
  run_.ReleaseScanner();
  EnableRunControls(true);
  view_.SetStatusText(kRunFailedText);
  ShowUnreadable();
  RestoreCommand1();
  // A go-up asked for during a failed run is not carried over to the next
  // run's end.
  run_.TakeUpRequest();
  // A window closed during the run still ends the program.
  if (run_.UnloadPending()) view_.Unload();
}

}  // namespace tarnwick
