#include "runtime/error_box_text.h"

namespace runtime {

std::string errorBoxText(const RuntimeError& error) {
    return "Run-time error '" + std::to_string(error.number()) + "':\n\n" + error.description();
}

}  // namespace runtime
