// `adv2`, the guard asked before every costly step of a search: it keeps the recursion depth
// and the number of guarded steps of one query within fixed bounds, so that no query input
// can exhaust the stack or run without end.
#ifndef VELIMORA_SESSION_RESOURCE_GUARD_H_
#define VELIMORA_SESSION_RESOURCE_GUARD_H_

#include <cstddef>

namespace velimora {

class ResourceGuard {
 public:
  // Bounds for one query: stack bytes in use below the mark set by start_query, and steps.
  static constexpr std::size_t kStackBytes = 512 * 1024;
  static constexpr long kSteps = 2'000'000;

  // Marks the stack depth of the query's start and resets the step count.
  void start_query();
  // True while the step is allowed; counts it. `needed` is the memory the step may use.
  bool allow(long needed);
  // True once a step has been refused in this query.
  bool tripped() const { return tripped_; }
  long steps() const { return steps_; }

  // Lower bounds for tests of the guard itself.
  void set_limits(std::size_t stack_bytes, long steps) {
    stack_limit_ = stack_bytes;
    step_limit_ = steps;
  }

 private:
  const char* base_ = nullptr;
  std::size_t stack_limit_ = kStackBytes;
  long step_limit_ = kSteps;
  long steps_ = 0;
  bool tripped_ = false;
};

}  // namespace velimora

#endif  // VELIMORA_SESSION_RESOURCE_GUARD_H_
