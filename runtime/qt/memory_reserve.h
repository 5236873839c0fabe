#pragma once

#include <cstddef>

namespace runtime::qt {

// Memory set aside and given back on demand: once the program has run out, what is built after
// the release finds room. It is never touched, so it costs address space but no resident memory.
class MemoryReserve {
  public:
    explicit MemoryReserve(std::size_t bytes) noexcept;
    ~MemoryReserve() { release(); }
    MemoryReserve(const MemoryReserve&) = delete;
    MemoryReserve& operator=(const MemoryReserve&) = delete;

    // Whether the system granted it.
    bool held() const noexcept { return start_ != nullptr; }
    void release() noexcept;

  private:
    void* start_;
    std::size_t bytes_;
};

}  // namespace runtime::qt
