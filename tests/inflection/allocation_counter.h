// Counts the heap allocations of the test program (the global operator new is replaced in
// allocation_counter.cc), so that tests can check that a call allocates nothing.
#pragma once

namespace velimora::inflection {

long allocation_count();

}  // namespace velimora::inflection
