#include "runtime/runtime_error.h"

#include <array>
#include <optional>

namespace runtime {
namespace {

constexpr std::uint32_t kRunTimeErrorFacility = 0x800A0000U;

struct KnownError {
    std::int32_t number;
    std::string_view description;
};

constexpr std::array kKnownErrors{
    KnownError{errors::kInvalidProcedureCall, "Invalid procedure call or argument"},
    KnownError{errors::kOverflow, "Overflow"},
    KnownError{errors::kOutOfMemory, "Out of memory"},
    KnownError{errors::kDivisionByZero, "Division by zero"},
    KnownError{errors::kTypeMismatch, "Type mismatch"},
    KnownError{errors::kObjectUnloaded, "Object was unloaded"},
};

std::optional<std::string_view> knownDescription(std::int32_t number) {
    for (const auto& known : kKnownErrors) {
        if (known.number == number) return known.description;
    }
    return std::nullopt;
}

}  // namespace

RuntimeError runtimeError(std::int32_t number) {
    return RuntimeError(number, std::string(knownDescription(number).value_or(
                                    "Application-defined or object-defined error")));
}

RuntimeError errorFromStatus(Status status, InterfaceId interface) {
    const auto code = static_cast<std::uint32_t>(status);
    std::int32_t number = status;
    if (status == kOutOfMemory) {
        number = errors::kOutOfMemory;
    } else if (status == kInvalidArgument) {
        number = errors::kInvalidProcedureCall;
    } else if ((code & 0xFFFF0000U) == kRunTimeErrorFacility) {
        number = static_cast<std::int32_t>(code & 0xFFFFU);
    }
    const auto known = knownDescription(number);
    return RuntimeError(number,
                        known ? std::string(*known)
                              : "Method of object '" + std::string(interface.name) + "' failed");
}

void vbaHresultCheckObj(Status status, InterfaceId interface) {
    throw errorFromStatus(status, interface);
}

}  // namespace runtime
