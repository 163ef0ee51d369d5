// Replaces the global operator new and delete of the test program with counting versions. Kept
// in a translation unit of its own so that the compiler never inlines them into their callers.
#include "inflection/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace velimora::inflection {

long allocation_count() { return g_allocations.load(); }

}  // namespace velimora::inflection
