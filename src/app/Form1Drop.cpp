#include <exception>
#include <optional>

#include "app/Form1.h"
#include "window/PublicTexts.h"

// A file or folder dropped on the list or the root box: its folder becomes
// the root, written into the root box and searched through the "Search"
// button like a typed one, so it passes the same validation.

namespace tarnwick {
namespace {

// Set for as long as it lives, however its scope is left.
class Raised {
 public:
  explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
  ~Raised() { flag_ = false; }
  Raised(const Raised&) = delete;
  Raised& operator=(const Raised&) = delete;

 private:
  bool& flag_;
};

}  // namespace

bool Form1::TakesDrops() { return !run_.Busy() && !askingAboutDrop_; }

void Form1::DropFile(DropData& D) {
  // A drop that arrives while a run lets messages through leaves the run
  // alone; one that arrives while a question waits for its answer leaves the
  // question alone.
  if (!TakesDrops()) return;
  try {
    const DropRequest request = ReadDropRequest(D);
    if (request.kind == DropRequest::Kind::NotFiles) {
      view_.ShowMessage(kDropNotFilesText);
      view_.SetStatusText(kDropNotFilesStatus);
      return;
    }
    if (request.kind == DropRequest::Kind::Unreadable) {
      DropFailed();
      return;
    }
    // Only the first name counts; several names make it ask first.
    const std::optional<Str> s = DroppedFolder(request.first);
    if (!s) return;
    if (request.count >= 2) {
      const Raised asking(askingAboutDrop_);
      if (!view_.AskYesNo(*s + kDropQuestionSuffix)) return;
    }
    SearchFor(*s);
  } catch (const std::exception&) {
    // What was done before the failure stays done.
    DropFailed();
  }
}

std::optional<Str> Form1::DroppedFolder(const Str& first) {
  // Whether the name is a folder is asked of the disk like the check of a
  // root, with the window acting as during a run: Esc, a close or a go-up
  // gives it up and nothing follows.
  const Str before = view_.Text1();
  BeginRootCheck();
  Str folder;
  try {
    folder = GetDirFromDirOrFile(first);
  } catch (const std::exception&) {
    EndRootCheck(before, nullptr);
    throw;
  }
  const bool gaveUp = run_.GaveUp();
  EndRootCheck(before, nullptr);
  if (gaveUp) return std::nullopt;
  return folder;
}

void Form1::DropFailed() {
  view_.ShowMessage(kDropFailedText);
  view_.SetStatusText(kDropFailedStatus);
}

}  // namespace tarnwick
