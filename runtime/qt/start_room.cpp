#include "runtime/qt/start_room.h"

#include <cerrno>
#include <condition_variable>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "runtime/qt/memory_reserve.h"

namespace runtime::qt {
namespace {

// What a start takes beyond the libraries already mapped (the font setup, the decoded
// pictures, the threads' stacks, the error box's reserve), with room to spare.
constexpr std::size_t kStartMemory = std::size_t{64} << 20U;

// Qt's threads on X: the display's event reader, the accessibility bus, one pool thread that
// draws large areas.
constexpr int kQtThreads = 3;

std::string refusedMemory() {
    // Never touched, it counts against the limits without taking any memory.
    const MemoryReserve room(kStartMemory);
    if (!room.held()) return std::string("the memory it needs (") + std::strerror(errno) + ")";
    return {};
}

std::string refusedThreads() {
    // The threads wait for each other, so that all of them exist at the same moment, as Qt's
    // will; their stacks, freed again, are kept by the C library for the threads that follow.
    std::mutex mutex;
    std::condition_variable released;
    bool done = false;
    std::vector<std::thread> threads;
    std::string refusal;
    try {
        for (int i = 0; i < kQtThreads; ++i) {
            threads.emplace_back([&] {
                std::unique_lock lock(mutex);
                released.wait(lock, [&] { return done; });
            });
        }
    } catch (const std::system_error& error) {
        refusal = "the threads it needs (" + error.code().message() + ")";
    }
    {
        const std::lock_guard lock(mutex);
        done = true;
    }
    released.notify_all();
    for (std::thread& thread : threads) thread.join();
    return refusal;
}

}  // namespace

std::string refusedStartRoom() {
    std::string refusal = refusedMemory();
    if (refusal.empty()) refusal = refusedThreads();
    return refusal;
}

}  // namespace runtime::qt
