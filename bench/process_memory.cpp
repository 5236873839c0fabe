#include "bench/process_memory.h"

#include <malloc.h>
#include <unistd.h>

#include <fstream>

namespace bench {

std::size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    std::size_t resident = 0;
    if (!(statm >> pages >> resident)) return 0;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

std::size_t heapInUseBytes() {
    const struct mallinfo2 info = mallinfo2();
    // Small blocks from the arenas plus the large ones malloc maps on their own.
    return info.uordblks + info.hblkhd;
}

}  // namespace bench
