#pragma once

#include <cstdint>

namespace runtime {

// A 32-bit status as the runtime's calls return it: negative means failure.
using Status = std::int32_t;

inline constexpr Status kOk = 0;
inline constexpr Status kFail = static_cast<Status>(0x80004005U);
inline constexpr Status kOutOfMemory = static_cast<Status>(0x8007000EU);
inline constexpr Status kInvalidArgument = static_cast<Status>(0x80070057U);
// A run-time error number carried as a status (facility 0x0A): 364, "Object was unloaded".
inline constexpr Status kObjectUnloaded = static_cast<Status>(0x800A016CU);

constexpr bool failed(Status status) {
    return status < 0;
}

}  // namespace runtime
