#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "annex_k_tables.h"
#include "jpeg_parser.h"
#include "resource_files.h"

namespace resource_tests {
namespace {

constexpr std::uint8_t kSoi = 0xD8, kApp0 = 0xE0, kDqt = 0xDB, kSof0 = 0xC0, kDht = 0xC4,
                       kSos = 0xDA, kEoi = 0xD9;

class BackgroundJpeg : public ::testing::Test {
  protected:
    void SetUp() override {
        bytes_ = readFile(resourceDir() / "background.jpg");
        ASSERT_NO_THROW(layout_ = parseJpeg(bytes_));
    }

    std::vector<const JpegSegment*> segments(std::uint8_t marker) const {
        std::vector<const JpegSegment*> found;
        for (const JpegSegment& s : layout_.segments) {
            if (s.marker == marker) found.push_back(&s);
        }
        return found;
    }

    Bytes bytes_;
    JpegLayout layout_;
};

TEST_F(BackgroundJpeg, HasExactSizeAndBaselineSegmentOrderWithNothingElse) {
    EXPECT_EQ(bytes_.size(), 217434u);
    EXPECT_EQ(layout_.bytesAfterEoi, 0u);
    EXPECT_TRUE(layout_.markersInScan.empty()) << "restart markers in the scan";
    // Runs of the same marker collapsed: the tables may come in one segment or several.
    std::vector<std::uint8_t> order;
    for (const JpegSegment& s : layout_.segments) {
        if (order.empty() || order.back() != s.marker) order.push_back(s.marker);
    }
    EXPECT_EQ(order, (std::vector<std::uint8_t>{kSoi, kApp0, kDqt, kSof0, kDht, kSos, kEoi}));
    EXPECT_EQ(segments(kApp0).size(), 1u);
    EXPECT_EQ(segments(kSof0).size(), 1u);
    EXPECT_EQ(segments(kSos).size(), 1u);
}

TEST_F(BackgroundJpeg, JfifHeaderIsVersion101At75DpiWithoutThumbnail) {
    const auto app0 = segments(kApp0);
    ASSERT_EQ(app0.size(), 1u);
    const Bytes expected{'J', 'F', 'I', 'F', 0, 1, 1, 1, 0, 75, 0, 75, 0, 0};
    EXPECT_EQ(app0[0]->payload, expected);
}

TEST_F(BackgroundJpeg, QuantisationTablesAreTheExampleTablesAtQuality90) {
    std::map<int, Bytes> tables;
    for (const JpegSegment* s : segments(kDqt)) {
        for (std::size_t pos = 0; pos < s->payload.size(); pos += 65) {
            ASSERT_LE(pos + 65, s->payload.size());
            ASSERT_EQ(s->payload[pos] >> 4, 0) << "16-bit table";
            const int id = s->payload[pos] & 0x0F;
            ASSERT_FALSE(tables.contains(id)) << "table " << id << " defined twice";
            tables[id].assign(s->payload.begin() + static_cast<std::ptrdiff_t>(pos + 1),
                              s->payload.begin() + static_cast<std::ptrdiff_t>(pos + 65));
        }
    }
    auto atQuality90 = [](const std::array<int, 64>& natural) {
        Bytes zigzag(64);
        for (int k = 0; k < 64; ++k) {
            zigzag[k] =
                static_cast<std::uint8_t>(std::max(1, (natural[kZigZag[k]] * 20 + 50) / 100));
        }
        return zigzag;
    };
    const std::map<int, Bytes> expected{{0, atQuality90(kLuminanceQuant)},
                                        {1, atQuality90(kChrominanceQuant)}};
    EXPECT_EQ(tables, expected);
}

TEST_F(BackgroundJpeg, HuffmanTablesAreTheTypicalTables) {
    // Keyed by (class, id): class 0 is DC, class 1 is AC.
    std::map<std::pair<int, int>, std::pair<Bytes, Bytes>> tables;
    for (const JpegSegment* s : segments(kDht)) {
        std::size_t pos = 0;
        while (pos < s->payload.size()) {
            ASSERT_LE(pos + 17, s->payload.size());
            const std::pair key{s->payload[pos] >> 4, s->payload[pos] & 0x0F};
            const auto countsBegin = s->payload.begin() + static_cast<std::ptrdiff_t>(pos + 1);
            const Bytes counts(countsBegin, countsBegin + 16);
            std::size_t symbols = 0;
            for (const std::uint8_t c : counts) symbols += c;
            ASSERT_LE(pos + 17 + symbols, s->payload.size());
            ASSERT_FALSE(tables.contains(key)) << "table defined twice";
            tables[key] = {counts, Bytes(countsBegin + 16,
                                         countsBegin + 16 + static_cast<std::ptrdiff_t>(symbols))};
            pos += 17 + symbols;
        }
    }
    auto spec = [](const HuffmanSpec& h) {
        return std::pair{Bytes(h.counts.begin(), h.counts.end()), Bytes(h.symbols)};
    };
    const std::map<std::pair<int, int>, std::pair<Bytes, Bytes>> expected{
        {{0, 0}, spec(kLuminanceDc)},
        {{1, 0}, spec(kLuminanceAc)},
        {{0, 1}, spec(kChrominanceDc)},
        {{1, 1}, spec(kChrominanceAc)},
    };
    EXPECT_EQ(tables, expected);
}

TEST_F(BackgroundJpeg, FrameAndScanAre1500SquareYCbCr420) {
    const auto frame = segments(kSof0);
    const auto scan = segments(kSos);
    ASSERT_EQ(frame.size(), 1u);
    ASSERT_EQ(scan.size(), 1u);
    // precision, height, width, then (id, sampling, quantisation table) per component
    const Bytes expectedFrame{8, 0x05, 0xDC, 0x05, 0xDC, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
    EXPECT_EQ(frame[0]->payload, expectedFrame);
    // (id, DC table << 4 | AC table) per component, then spectral range 0..63, no approximation
    const Bytes expectedScan{3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0};
    EXPECT_EQ(scan[0]->payload, expectedScan);
}

}  // namespace
}  // namespace resource_tests
