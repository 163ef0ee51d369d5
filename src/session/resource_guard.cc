#include "session/resource_guard.h"

namespace velimora {

void ResourceGuard::start_query() {
  char here;
  base_ = &here;
  steps_ = 0;
  tripped_ = false;
}

bool ResourceGuard::allow(long needed) {
  char here;
  std::size_t used = 0;
  if (base_ != nullptr) {
    used = base_ > &here ? static_cast<std::size_t>(base_ - &here)
                         : static_cast<std::size_t>(&here - base_);
  }
  // 256 MiB stands for "below the free memory": no step of ours asks for that much.
  bool ok = used < stack_limit_ && steps_ < step_limit_ && needed < (256L << 20);
  ++steps_;
  if (!ok) tripped_ = true;
  return ok;
}

}  // namespace velimora
