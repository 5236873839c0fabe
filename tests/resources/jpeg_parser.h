#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace resource_tests {

struct JpegSegment {
    std::uint8_t marker = 0;            // the byte after 0xFF
    std::vector<std::uint8_t> payload;  // after the length field; empty for SOI and EOI
};

struct JpegLayout {
    std::vector<JpegSegment> segments;        // in file order, SOI to EOI
    std::vector<std::uint8_t> markersInScan;  // markers met inside entropy-coded data
    std::size_t bytesAfterEoi = 0;
};

// Splits a JPEG stream into its marker segments, walking the entropy-coded data after
// each SOS. Throws std::runtime_error on a truncated or malformed stream.
JpegLayout parseJpeg(std::span<const std::uint8_t> data);

}  // namespace resource_tests
