#include "runtime/error_box_text.h"

#include <algorithm>
#include <array>

namespace runtime {

std::string errorBoxText(const RuntimeError& error) {
    return "Run-time error '" + std::to_string(error.number()) + "':\n\n" + error.description();
}

void writeErrorLine(const RuntimeError& error, std::FILE* stream) noexcept {
    std::array<char, 512> line{};
    const int length = std::snprintf(line.data(), line.size(), "Run-time error '%d': %s\n",
                                     static_cast<int>(error.number()), error.what());
    if (length <= 0) return;
    const auto size = std::min(static_cast<std::size_t>(length), line.size() - 1);
    line[size - 1] = '\n';  // a description too long for the line is cut, the line still ends
    std::fwrite(line.data(), 1, size, stream);
    std::fflush(stream);
}

}  // namespace runtime
