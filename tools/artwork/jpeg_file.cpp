#include "jpeg_file.h"

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace artwork {

namespace {

constexpr int kQuality = 90;
constexpr std::size_t kChunk = 64 * 1024;

// libjpeg reports errors through a callback that must not return; we jump back
// out of the library, whose state holds no C++ objects, and throw from there.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Appends the compressed stream to a vector instead of a FILE.
struct VectorDestination {
    jpeg_destination_mgr base;
    Bytes* out;
};

void initDestination(j_compress_ptr info) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    dest->out->resize(kChunk);
    dest->base.next_output_byte = dest->out->data();
    dest->base.free_in_buffer = dest->out->size();
}

boolean emptyBuffer(j_compress_ptr info) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    const std::size_t used = dest->out->size();
    dest->out->resize(used + kChunk);
    dest->base.next_output_byte = dest->out->data() + used;
    dest->base.free_in_buffer = kChunk;
    return TRUE;
}

void termDestination(j_compress_ptr info) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    dest->out->resize(dest->out->size() - dest->base.free_in_buffer);
}

// Plain C-style body: nothing here has a destructor, so the long jump is safe.
bool compress(const Image& image, Bytes& out, char (&message)[JMSG_LENGTH_MAX]) {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_compress(&info);
        std::snprintf(message, sizeof message, "%s", errors.message);
        return false;
    }
    jpeg_create_compress(&info);

    VectorDestination dest{};
    dest.base.init_destination = initDestination;
    dest.base.empty_output_buffer = emptyBuffer;
    dest.base.term_destination = termDestination;
    dest.out = &out;
    info.dest = &dest.base;

    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kQuality, TRUE);
    info.optimize_coding = FALSE;
    info.dct_method = JDCT_ISLOW;  // integer DCT: the same bytes on every machine
    info.write_JFIF_header = TRUE;
    info.JFIF_major_version = 1;
    info.JFIF_minor_version = 1;
    info.density_unit = 1;  // dots per inch
    info.X_density = 75;
    info.Y_density = 75;
    info.write_Adobe_marker = FALSE;
    info.restart_interval = 0;

    jpeg_start_compress(&info, TRUE);
    static_assert(sizeof(Rgb) == 3, "rows are handed to the library as packed RGB");
    while (info.next_scanline < info.image_height) {
        const Rgb* row = &image.at(0, static_cast<int>(info.next_scanline));
        // The library only reads the rows, but its interface is not const-correct.
        auto* samples = const_cast<JSAMPLE*>(reinterpret_cast<const JSAMPLE*>(row));
        jpeg_write_scanlines(&info, &samples, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

Bytes encodeJpeg(const Image& image) {
    Bytes out;
    char message[JMSG_LENGTH_MAX] = {};
    if (!compress(image, out, message)) {
        throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
    }
    return out;
}

}  // namespace artwork
