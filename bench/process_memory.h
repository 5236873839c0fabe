#pragma once

#include <cstddef>

namespace bench {

// Resident set of this process, from /proc/self/statm; 0 when it cannot be read.
std::size_t residentBytes();
// Bytes the C heap has handed out and not taken back (mallinfo2).
std::size_t heapInUseBytes();

}  // namespace bench
