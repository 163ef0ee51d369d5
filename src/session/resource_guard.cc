#include "session/resource_guard.h"

#include <cstdint>

namespace velimora {
namespace {

// The frame address, not a local's: a sanitizer's fake stack (use-after-return detection)
// keeps locals on the heap, where their distance says nothing about the stack in use.
const char* frame_address() {
  return static_cast<const char*>(__builtin_frame_address(0));
}

std::uintptr_t address(const char* p) {
  return reinterpret_cast<std::uintptr_t>(p);
}

}  // namespace

void ResourceGuard::start_query() {
  base_ = frame_address();
  steps_ = 0;
  tripped_ = false;
}

bool ResourceGuard::allow(long needed) {
  std::size_t used = 0;
  if (base_ != nullptr) {
    const std::uintptr_t base = address(base_), here = address(frame_address());
    used = static_cast<std::size_t>(base > here ? base - here : here - base);
  }
  // 256 MiB stands for "below the free memory": no step of ours asks for that much.
  bool ok = used < stack_limit_ && steps_ < step_limit_ && needed < (256L << 20);
  ++steps_;
  if (!ok) tripped_ = true;
  return ok;
}

}  // namespace velimora
