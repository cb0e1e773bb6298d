#pragma once
// One move-only owner for every kind of Win32 handle: copying is deleted, so a
// handle can never be closed twice.
#include <utility>

namespace tarnwick {

// Traits: `type`, `static type invalid()`, `static void close(type)`.
template <class Traits>
class UniqueAny {
 public:
  using type = typename Traits::type;

  UniqueAny() = default;
  explicit UniqueAny(type value) : value_(value) {}
  ~UniqueAny() { reset(); }
  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  UniqueAny(UniqueAny&& other) noexcept : value_(other.release()) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  type get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::invalid(); }
  type release() { return std::exchange(value_, Traits::invalid()); }
  void reset(type value = Traits::invalid()) {
    if (value_ != Traits::invalid()) Traits::close(value_);
    value_ = value;
  }

 private:
  type value_ = Traits::invalid();
};

}  // namespace tarnwick
