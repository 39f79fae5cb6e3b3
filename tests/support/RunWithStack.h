// RunWithStack.h - runs a body on a thread with a small stack, so that a test proves
// that deep inputs do not take one call frame per level.
#pragma once

#include <pthread.h>

#include <cstddef>
#include <functional>

// Runs iBody in a thread whose stack is iStackSize bytes and waits for it; false when
// the thread could not start.
inline bool RunWithStack(std::size_t iStackSize, const std::function<void()>& iBody) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, iStackSize);
  pthread_t thread;
  auto run = [](void* iFunction) -> void* {
    (*static_cast<const std::function<void()>*>(iFunction))();
    return nullptr;
  };
  bool started =
      pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&iBody)) == 0;
  if (started) pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
  return started;
}
