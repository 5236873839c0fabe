#include "runtime/qt/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "app/embedded_pictures.h"
#include "runtime/qt/pictures.h"

namespace {

QImage qtDecode(std::span<const std::byte> data) {
    return QImage::fromData(reinterpret_cast<const uchar*>(data.data()),
                            static_cast<int>(data.size()))
        .convertToFormat(QImage::Format_RGB32);
}

TEST(JpegDecoder, GivesQtsPixelsInTwentyFourBits) {
    const QImage ours = runtime::qt::decodeJpeg(app::backgroundPicture());
    ASSERT_EQ(ours.format(), QImage::Format_RGB888);
    const QImage reference = qtDecode(app::backgroundPicture());
    ASSERT_EQ(ours.size(), reference.size());
    EXPECT_EQ(ours.convertToFormat(QImage::Format_RGB32), reference);
    EXPECT_EQ(ours.dotsPerMeterX(), reference.dotsPerMeterX());
}

TEST(JpegDecoder, RefusesDataItCannotDecode) {
    const std::span<const std::byte> whole = app::backgroundPicture();
    const std::vector<std::byte> header(whole.begin(), whole.begin() + 600);
    const std::byte notJpeg[] = {std::byte{'B'}, std::byte{'M'}, std::byte{0}, std::byte{0}};
    for (const std::span<const std::byte> data :
         {std::span<const std::byte>(header), std::span<const std::byte>(notJpeg),
          std::span<const std::byte>()}) {
        EXPECT_TRUE(runtime::qt::decodeJpeg(data).isNull()) << data.size() << " bytes";
    }
}

// Every picture the program holds decodes as Qt's own readers decode it.
TEST(DecodeImage, MatchesQtForEachEmbeddedPicture) {
    for (const auto source : {&app::backgroundPicture, &app::windowBitmap, &app::windowIcon}) {
        const QImage ours = runtime::qt::decodeImage(source());
        ASSERT_FALSE(ours.isNull());
        EXPECT_EQ(ours.convertToFormat(QImage::Format_RGB32), qtDecode(source()));
    }
}

}  // namespace
