#pragma once
// Runs a function on a thread with a deliberately small stack (256 KiB), so
// that code whose stack use grows with its input fails visibly in a test.
#include <pthread.h>

#include <functional>
#include <stdexcept>

namespace tarnwick::testing {

inline void RunOnSmallStack(const std::function<void()>& body) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 256 * 1024);
  pthread_t thread;
  auto trampoline = [](void* arg) -> void* {
    (*static_cast<const std::function<void()>*>(arg))();
    return nullptr;
  };
  const int started = pthread_create(&thread, &attributes, trampoline, const_cast<std::function<void()>*>(&body));
  pthread_attr_destroy(&attributes);
  if (started != 0) throw std::runtime_error("cannot start thread");
  pthread_join(thread, nullptr);
}

}  // namespace tarnwick::testing
