#include "runtime/qt/pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "runtime/qt/jpeg_decoder.h"

namespace runtime::qt {
namespace {

bool startsWith(std::span<const std::byte> data, std::initializer_list<unsigned char> magic) {
    return data.size() >= magic.size() &&
           std::equal(magic.begin(), magic.end(), data.begin(),
                      [](unsigned char m, std::byte b) { return std::byte{m} == b; });
}

// The reader's format, told from the first bytes: naming it spares Qt loading and asking
// every image plugin in turn. Empty when unknown, and Qt then guesses as before.
const char* formatOf(std::span<const std::byte> data) {
    if (startsWith(data, {'B', 'M'})) return "bmp";
    if (startsWith(data, {0x00, 0x00, 0x01, 0x00})) return "ico";
    if (startsWith(data, {0xFF, 0xD8, 0xFF})) return "jpeg";
    return "";
}

}  // namespace

QImage decodeImage(std::span<const std::byte> data) {
    if (data.empty()) return {};
    const char* const format = formatOf(data);
    if (format == std::string_view("jpeg")) {
        QImage image = decodeJpeg(data);
        if (!image.isNull()) return image;
    }
    // The bytes are read in place; the buffer never writes to them.
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()),
                                               static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // Qt would otherwise still load every plugin to ask whether it knows the data better.
    if (*format != '\0') reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace runtime::qt
