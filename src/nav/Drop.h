#pragma once
// What is dropped on the list or the root box, as the drop handling reads it.
// The Win32 half copies it out of the system's data object while the drop
// happens; tests use a fake.
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Text.h"

namespace tarnwick {

// The platform's file-list format (CF_HDROP), the only one asked for.
constexpr std::int32_t kFileListFormat = 15;

class DropData {
 public:
  virtual ~DropData() = default;
  // Whether the data holds `format`.
  virtual bool GetFormat(std::int32_t format) = 0;
  // How many names were dropped; nothing when the list cannot be read.
  virtual std::optional<std::int32_t> Count() = 0;
  // The name at `index`, counted from 1, a full path as the source gave it;
  // nothing when there is no such name or the list cannot be read.
  virtual std::optional<Str> Files(std::int32_t index) = 0;
};

// A drop's data as it was when dropped: the system's data object is only
// good while the drop lasts.
class DroppedFiles final : public DropData {
 public:
  static DroppedFiles NotFiles() { return DroppedFiles(false, std::nullopt); }
  static DroppedFiles Unreadable() { return DroppedFiles(true, std::nullopt); }
  static DroppedFiles Names(std::vector<Str> names) { return DroppedFiles(true, std::move(names)); }

  bool GetFormat(std::int32_t format) override;
  std::optional<std::int32_t> Count() override;
  std::optional<Str> Files(std::int32_t index) override;

 private:
  DroppedFiles(bool fileList, std::optional<std::vector<Str>> names)
      : fileList_(fileList), names_(std::move(names)) {}
  bool fileList_;
  std::optional<std::vector<Str>> names_;
};

// Where a drop target hands what was dropped.
class DropReceiver {
 public:
  virtual ~DropReceiver() = default;
  // Whether a drop now would be taken; when not, the source is told so from
  // the moment the drag enters.
  virtual bool TakesDrops() = 0;
  virtual void Dropped(DroppedFiles data) = 0;
};

// What a drop asks for, read from its data: the first name and the number of
// names, or why there is none.
struct DropRequest {
  enum class Kind { Names, NotFiles, Unreadable };
  Kind kind = Kind::Unreadable;
  Str first;
  std::int32_t count = 0;
};
DropRequest ReadDropRequest(DropData& data);

// The effects a drag source allows and a target answers (DROPEFFECT_*).
constexpr std::uint32_t kDropEffectNone = 0;
constexpr std::uint32_t kDropEffectCopy = 1;
constexpr std::uint32_t kDropEffectMove = 2;
constexpr std::uint32_t kDropEffectLink = 4;

// The effect the list and the root box answer while something is dragged over
// them and when it is dropped, whatever the data: none while they take no
// drops; otherwise, since a source told "move" deletes what it moved, copy,
// or link when the source allows no copy, or none.
std::uint32_t DropEffectFor(std::uint32_t allowed, bool takesDrops);

}  // namespace tarnwick
