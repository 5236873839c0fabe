#include "runtime/qt/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <vector>

#include "app/embedded_pictures.h"
#include "runtime/qt/icon_decoder.h"
#include "runtime/qt/pictures.h"
#include "runtime/stored_bitmap.h"

namespace {

QImage qtDecode(std::span<const std::byte> data) {
    return QImage::fromData(reinterpret_cast<const uchar*>(data.data()),
                            static_cast<int>(data.size()))
        .convertToFormat(QImage::Format_RGB32);
}

// Screens and backing stores use these; each is written by libjpeg directly.
TEST(JpegDecoder, GivesQtsPixelsInEachFormatItWrites) {
    const QImage reference = qtDecode(app::backgroundPicture());
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
          QImage::Format_RGBX8888, QImage::Format_RGBA8888, QImage::Format_RGBA8888_Premultiplied,
          QImage::Format_RGB888, QImage::Format_BGR888, QImage::Format_RGB16}) {
        ASSERT_TRUE(runtime::qt::jpegDecodesInto(format)) << format;
        const QImage ours = runtime::qt::decodeJpeg(app::backgroundPicture(), format);
        ASSERT_EQ(ours.format(), format);
        EXPECT_EQ(ours, reference.convertToFormat(format)) << format;
        EXPECT_EQ(ours.dotsPerMeterX(), reference.dotsPerMeterX());
    }
}

TEST(JpegDecoder, RefusesDataItCannotDecodeAndFormatsItCannotWrite) {
    const std::span<const std::byte> whole = app::backgroundPicture();
    const std::vector<std::byte> header(whole.begin(), whole.begin() + 600);
    const std::byte notJpeg[] = {std::byte{'B'}, std::byte{'M'}, std::byte{0}, std::byte{0}};
    for (const std::span<const std::byte> data :
         {std::span<const std::byte>(header), std::span<const std::byte>(notJpeg),
          std::span<const std::byte>()}) {
        EXPECT_TRUE(runtime::qt::decodeJpeg(data, QImage::Format_RGB32).isNull())
            << data.size() << " bytes";
    }
    EXPECT_FALSE(runtime::qt::jpegDecodesInto(QImage::Format_Indexed8));
    EXPECT_TRUE(runtime::qt::decodeJpeg(whole, QImage::Format_Indexed8).isNull());
}

// Every picture the program paints decodes as Qt's own readers decode it, in the form it is
// used in: the background in the screen's format, the icon as a pixmap holds it.
TEST(DecodeImage, MatchesQtForEachEmbeddedPictureInItsOwnForm) {
    const struct {
        std::span<const std::byte> (*source)();
        QImage::Format format;
    } pictures[] = {{&app::backgroundPicture, runtime::qt::screenFormat()},
                    {&app::windowIcon, QImage::Format_ARGB32_Premultiplied}};
    for (const auto& picture : pictures) {
        const QImage ours = runtime::qt::decodeImage(picture.source());
        ASSERT_EQ(ours.format(), picture.format);
        EXPECT_EQ(ours.convertToFormat(QImage::Format_RGB32), qtDecode(picture.source()));
    }
}

// The bitmap is held where it is stored, not copied, and each of its pixels reads as Qt's own
// reader has it, the top row first; a file with its rows stored top first reads the same.
TEST(StoredBitmap, ViewsTheFilesRowsAndReadsEachPixelAsQtDoes) {
    const std::span<const std::byte> file = app::windowBitmap();
    const QImage reference = qtDecode(file);
    ASSERT_EQ(reference.size(), QSize(800, 600));

    constexpr std::size_t kRowsAt = 54;
    constexpr std::size_t kStride = 800 * 3;
    std::vector<std::byte> topFirst(file.begin(), file.begin() + kRowsAt);
    const auto negativeHeight = static_cast<std::uint32_t>(-600);
    for (std::size_t i = 0; i < 4; ++i) {
        topFirst[22 + i] = static_cast<std::byte>(negativeHeight >> (8 * i));
    }
    for (std::size_t row = 600; row-- > 0;) {
        const auto from = file.begin() + kRowsAt + row * kStride;
        topFirst.insert(topFirst.end(), from, from + kStride);
    }

    for (const std::span<const std::byte> data : {file, std::span<const std::byte>(topFirst)}) {
        const auto bitmap = runtime::StoredBitmap::read(data);
        ASSERT_TRUE(bitmap.has_value());
        ASSERT_EQ(bitmap->width(), 800);
        ASSERT_EQ(bitmap->height(), 600);
        EXPECT_EQ(bitmap->rows().data(), data.data() + kRowsAt);
        EXPECT_EQ(bitmap->rows().size(), kStride * 600);
        int wrong = 0;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                const runtime::Colour held = bitmap->pixel(x, y);
                if (qRgb(held.red(), held.green(), held.blue()) != reference.pixel(x, y)) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0) << data.size() << " bytes";
    }
}

// Damaged or unexpected bitmaps and icons give no picture, and nothing is read past the data.
TEST(BitmapDecoders, RefuseDamagedOrUnsupportedData) {
    const auto edited = [](std::span<const std::byte> (*source)(), std::size_t cut,
                           std::size_t at = 0, std::byte value = std::byte{0}) {
        std::vector<std::byte> bytes(source().begin(), source().end() - cut);
        if (at != 0) bytes[at] = value;
        return bytes;
    };
    const std::vector<std::byte> bitmaps[] = {
        edited(&app::windowBitmap, 1),                       // a pixel short
        edited(&app::windowBitmap, 0, 28, std::byte{16}),    // 16 bits a pixel
        edited(&app::windowBitmap, 0, 30, std::byte{1}),     // run-length compressed
        edited(&app::windowBitmap, 0, 13, std::byte{0x7F}),  // pixels past the end
        edited(&app::windowBitmap, 0, 1, std::byte{'A'}),    // not a BMP file
        edited(&app::windowBitmap, 0, 26, std::byte{2}),     // two planes
        edited(&app::windowBitmap, 0, 21, std::byte{0x80}),  // a negative width
    };
    for (const auto& data : bitmaps) EXPECT_FALSE(runtime::StoredBitmap::read(data).has_value());
    const std::vector<std::byte> icons[] = {
        edited(&app::windowIcon, 1),                          // the mask a byte short
        edited(&app::windowIcon, 0, 21, std::byte{0x7F}),     // the image past the end
        edited(&app::windowIcon, 0, 22 + 32, std::byte{17}),  // more colours than 4 bits hold
        edited(&app::windowIcon, 0, 22 + 14, std::byte{24}),  // 24 bits a pixel
        edited(&app::windowIcon, 0, 2, std::byte{2}),         // a cursor file
    };
    for (const auto& data : icons) EXPECT_TRUE(runtime::qt::decodeIco(data).isNull());
    EXPECT_TRUE(runtime::StoredBitmap::read(edited(&app::windowBitmap, 0)).has_value());
    EXPECT_FALSE(runtime::qt::decodeIco(edited(&app::windowIcon, 0)).isNull());
}

}  // namespace
