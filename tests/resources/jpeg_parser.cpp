#include "jpeg_parser.h"

#include <stdexcept>

#include "resource_files.h"

namespace resource_tests {

namespace {
constexpr std::uint8_t kSoi = 0xD8;
constexpr std::uint8_t kEoi = 0xD9;
constexpr std::uint8_t kSos = 0xDA;

bool isRestart(std::uint8_t marker) {
    return marker >= 0xD0 && marker <= 0xD7;
}
}  // namespace

JpegLayout parseJpeg(std::span<const std::uint8_t> data) {
    JpegLayout layout;
    std::size_t pos = 0;
    auto fail = [](const char* what) { throw std::runtime_error(what); };
    if (data.size() < 2 || data[0] != 0xFF || data[1] != kSoi) fail("no SOI at the start");
    layout.segments.push_back({kSoi, {}});
    pos = 2;
    while (true) {
        if (pos + 2 > data.size() || data[pos] != 0xFF) fail("expected a marker");
        const std::uint8_t marker = data[pos + 1];
        pos += 2;
        if (marker == kEoi) {
            layout.segments.push_back({kEoi, {}});
            layout.bytesAfterEoi = data.size() - pos;
            return layout;
        }
        const std::size_t length = be16(data, pos);
        if (length < 2 || pos + length > data.size()) fail("bad segment length");
        layout.segments.push_back(
            {marker,
             std::vector<std::uint8_t>(data.begin() + static_cast<std::ptrdiff_t>(pos + 2),
                                       data.begin() + static_cast<std::ptrdiff_t>(pos + length))});
        pos += length;
        if (marker != kSos) continue;
        // Entropy-coded data runs to the next marker that is neither a stuffed 0xFF
        // nor a restart marker.
        while (true) {
            if (pos + 1 >= data.size()) fail("scan data runs to the end of the file");
            if (data[pos] != 0xFF) {
                ++pos;
                continue;
            }
            const std::uint8_t next = data[pos + 1];
            if (next == 0x00) {
                pos += 2;
            } else if (isRestart(next)) {
                layout.markersInScan.push_back(next);
                pos += 2;
            } else {
                break;
            }
        }
    }
}

}  // namespace resource_tests
