#include "runtime/qt/memory_reserve.h"

#include <sys/mman.h>

namespace runtime::qt {

// Writable, so that it counts against every limit the memory it stands for counts against:
// the address space, the data size and the system's commit charge.
MemoryReserve::MemoryReserve(std::size_t bytes) noexcept
    : start_(mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)),
      bytes_(bytes) {
    if (start_ == MAP_FAILED) start_ = nullptr;
}

void MemoryReserve::release() noexcept {
    if (start_ != nullptr) munmap(start_, bytes_);
    start_ = nullptr;
}

}  // namespace runtime::qt
