#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "runtime/status.h"

namespace runtime {

// The identity of the interface whose call failed, named in the error's description.
struct InterfaceId {
    std::string_view name;
};

inline constexpr InterfaceId kListBoxInterface{"ListBox"};
inline constexpr InterfaceId kFormInterface{"Form"};
inline constexpr InterfaceId kGlobalInterface{"Global"};

// A run-time error: it ends the handler that raised it and, once reported, the program.
class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(std::int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    std::int32_t number() const { return number_; }
    std::string description() const { return what(); }

  private:
    std::int32_t number_;
};

// The run-time errors this runtime raises itself.
namespace errors {
inline constexpr std::int32_t kInvalidProcedureCall = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kOutOfMemory = 7;
inline constexpr std::int32_t kDivisionByZero = 11;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kObjectUnloaded = 364;
}  // namespace errors

// One of the errors above, with its description.
RuntimeError runtimeError(std::int32_t number);

RuntimeError errorFromStatus(Status status, InterfaceId interface);

// The failure test: turns a negative status into the matching run-time error.
[[noreturn]] void vbaHresultCheckObj(Status status, InterfaceId interface);

}  // namespace runtime
