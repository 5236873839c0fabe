#include "runtime/float_checks.h"

#include <cfenv>
#include <cmath>

#include "runtime/runtime_error.h"

namespace runtime {

int FloatingPointFlags::raised() const {
    return std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
}

void FloatingPointFlags::clear() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void vbaFPException(int raisedFlags) {
    if ((raisedFlags & FE_DIVBYZERO) != 0) {
        throw runtimeError(errors::kDivisionByZero);
    }
    throw runtimeError(errors::kOverflow);
}

double vbaFPInt(double value) {
    return std::floor(value);
}

double settled(double value) {
    volatile double stored = value;
    return stored;
}

}  // namespace runtime
