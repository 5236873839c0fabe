#include "runtime/qt/pictures.h"

namespace runtime::qt {

QImage decodeImage(std::span<const std::byte> data) {
    if (data.empty()) return {};
    return QImage::fromData(reinterpret_cast<const uchar*>(data.data()),
                            static_cast<int>(data.size()));
}

QPixmap decodePixmap(std::span<const std::byte> data) {
    return QPixmap::fromImage(decodeImage(data));
}

}  // namespace runtime::qt
