#include "runtime/qt/pictures.h"

#include <QPixmap>
#include <algorithm>
#include <initializer_list>

#include "runtime/qt/icon_decoder.h"
#include "runtime/qt/jpeg_decoder.h"

namespace runtime::qt {
namespace {

bool startsWith(std::span<const std::byte> data, std::initializer_list<unsigned char> magic) {
    return data.size() >= magic.size() &&
           std::equal(magic.begin(), magic.end(), data.begin(),
                      [](unsigned char m, std::byte b) { return std::byte{m} == b; });
}

}  // namespace

QImage::Format screenFormat() {
    // A pixmap is made in the screen's own format.
    return QPixmap(1, 1).toImage().format();
}

QImage decodeImage(std::span<const std::byte> data) {
    if (startsWith(data, {0x00, 0x00, 0x01, 0x00})) return decodeIco(data);
    if (startsWith(data, {0xFF, 0xD8, 0xFF})) {
        const QImage::Format screen = screenFormat();
        return decodeJpeg(data, jpegDecodesInto(screen) ? screen : QImage::Format_RGB32);
    }
    return {};
}

}  // namespace runtime::qt
