#include "nav/Drop.h"

namespace tarnwick {

bool DroppedFiles::GetFormat(std::int32_t format) { return format == kFileListFormat && fileList_; }

std::optional<std::int32_t> DroppedFiles::Count() {
  if (!names_) return std::nullopt;
  return static_cast<std::int32_t>(names_->size());
}

std::optional<Str> DroppedFiles::Files(std::int32_t index) {
  if (!names_ || index < 1 || static_cast<size_t>(index) > names_->size()) return std::nullopt;
  return (*names_)[static_cast<size_t>(index) - 1];
}

DropRequest ReadDropRequest(DropData& data) {
  DropRequest request;
  if (!data.GetFormat(kFileListFormat)) {
    request.kind = DropRequest::Kind::NotFiles;
    return request;
  }
  // An empty list has no first name: that is a failure, not "no files".
  const std::optional<Str> first = data.Files(1);
  const std::optional<std::int32_t> count = data.Count();
  if (!first || !count) return request;
  request.kind = DropRequest::Kind::Names;
  request.first = *first;
  request.count = *count;
  return request;
}

std::uint32_t DropEffectFor(std::uint32_t allowed, bool takesDrops) {
  if (!takesDrops) return kDropEffectNone;
  if (allowed & kDropEffectCopy) return kDropEffectCopy;
  if (allowed & kDropEffectLink) return kDropEffectLink;
  return kDropEffectNone;
}

}  // namespace tarnwick
