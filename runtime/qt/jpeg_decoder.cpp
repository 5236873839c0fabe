#include "runtime/qt/jpeg_decoder.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdint>
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <jpeglib.h>
// clang-format on
#include <sys/mman.h>
#include <unistd.h>

namespace runtime::qt {
namespace {

constexpr bool kLittleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;

struct PixelLayout {
    QImage::Format format;
    J_COLOR_SPACE space;
};

// libjpeg-turbo's extended colour spaces name bytes in memory order; Qt's 32-bit formats are
// whole words. Opaque as decoded, so the alpha formats take the same bytes, alpha 0xFF.
constexpr std::array kLayouts{
    PixelLayout{QImage::Format_RGB32, kLittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB},
    PixelLayout{QImage::Format_ARGB32, kLittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB},
    PixelLayout{QImage::Format_ARGB32_Premultiplied, kLittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB},
    PixelLayout{QImage::Format_RGBX8888, JCS_EXT_RGBX},
    PixelLayout{QImage::Format_RGBA8888, JCS_EXT_RGBA},
    PixelLayout{QImage::Format_RGBA8888_Premultiplied, JCS_EXT_RGBA},
    PixelLayout{QImage::Format_RGB888, JCS_RGB},
    PixelLayout{QImage::Format_BGR888, JCS_EXT_BGR},
    PixelLayout{QImage::Format_RGB16, JCS_RGB565},
};

const PixelLayout* layoutOf(QImage::Format format) {
    const auto found = std::find_if(kLayouts.begin(), kLayouts.end(),
                                    [format](const PixelLayout& l) { return l.format == format; });
    return found == kLayouts.end() ? nullptr : &*found;
}

// Has the kernel put in place at once the fresh pages that the decoder is about to write, in
// one call rather than one fault a page (a tenth of the decoding time saved for the
// background). Kernels before Linux 5.14 refuse the request and the pages fault in as before.
void populatePages(QImage& image) {
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(image.bits());
    const std::uintptr_t begin = (first + page - 1) / page * page;
    const std::uintptr_t end = (first + image.sizeInBytes()) / page * page;
    if (begin < end) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#endif
}

// libjpeg reports a fatal error through error_exit, which must not return.
struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr /*info*/) {}

int dotsPerMeter(const jpeg_decompress_struct& info, UINT16 density) {
    if (info.density_unit == 1) return static_cast<int>(100.0 * density / 2.54);
    if (info.density_unit == 2) return density * 100;
    return 0;
}

// Only objects without destructors live here, so that a long jump out of libjpeg is sound;
// the image is the caller's.
bool decodeInto(std::span<const std::byte> data, const PixelLayout& layout, QImage& image) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = leave;
    errors.manager.output_message = ignoreMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = layout.space;
    info.dither_mode = JDITHER_NONE;  // 16-bit pixels rounded down as Qt rounds them
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   layout.format);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    populatePages(image);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    if (const int x = dotsPerMeter(info, info.X_density); x > 0) image.setDotsPerMeterX(x);
    if (const int y = dotsPerMeter(info, info.Y_density); y > 0) image.setDotsPerMeterY(y);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

bool jpegDecodesInto(QImage::Format format) {
    return layoutOf(format) != nullptr;
}

QImage decodeJpeg(std::span<const std::byte> data, QImage::Format format) {
    const PixelLayout* const layout = layoutOf(format);
    QImage image;
    if (layout == nullptr || !decodeInto(data, *layout, image)) return {};
    return image;
}

}  // namespace runtime::qt
