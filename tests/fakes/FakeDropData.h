#pragma once
// Dropped data for the portable tests: the program's own copy of a drop,
// with every read counted, so a test can tell a drop that was never looked
// at from one that was.
#include "nav/Drop.h"

namespace tarnwick::testing {

class FakeDropData final : public DropData {
 public:
  explicit FakeDropData(DroppedFiles data) : data_(std::move(data)) {}
  int reads = 0;

  bool GetFormat(std::int32_t format) override {
    ++reads;
    return data_.GetFormat(format);
  }
  std::optional<std::int32_t> Count() override {
    ++reads;
    return data_.Count();
  }
  std::optional<Str> Files(std::int32_t index) override {
    ++reads;
    return data_.Files(index);
  }

 private:
  DroppedFiles data_;
};

}  // namespace tarnwick::testing
