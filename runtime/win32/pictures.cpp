#include "runtime/win32/pictures.h"

#include <wincodec.h>

#include <cstdint>

namespace runtime::win32 {
namespace {

// Far above any picture the program holds; keeps the pixel buffer's size within 32 bits.
constexpr UINT kMaxSide = 16384;

std::uint32_t littleEndian(std::span<const std::byte> data, std::size_t offset, std::size_t bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = bytes; i-- > 0;) {
        value = (value << 8U) | std::to_integer<std::uint32_t>(data[offset + i]);
    }
    return value;
}

BitmapHandle createTopDownDib(UINT width, UINT height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // negative: first row on top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return BitmapHandle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

}  // namespace

Picture decodePicture(std::span<const std::byte> data) {
    if (data.empty() || data.size() > MAXDWORD) return {};
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out())))) {
        return {};
    }
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.out()))) return {};
    // The stream only reads: the bytes are the program's own constant data.
    auto* bytes = reinterpret_cast<BYTE*>(const_cast<std::byte*>(data.data()));
    if (FAILED(stream->InitializeFromMemory(bytes, static_cast<DWORD>(data.size())))) return {};
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.out()))) {
        return {};
    }
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.out()))) return {};
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.out()))) return {};
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return {};
    }
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->GetSize(&width, &height))) return {};
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return {};

    void* bits = nullptr;
    BitmapHandle bitmap = createTopDownDib(width, height, &bits);
    if (!bitmap || bits == nullptr) return {};
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        return {};
    }
    return {std::move(bitmap), static_cast<int>(width), static_cast<int>(height)};
}

IconHandle decodeIcon(std::span<const std::byte> data) {
    // An icon file: a 6-byte directory (reserved 0, type 1, image count), then 16 bytes per
    // image that give its size and where it starts.
    constexpr std::size_t kDirectory = 6;
    constexpr std::size_t kEntry = 16;
    if (data.size() < kDirectory + kEntry) return {};
    if (littleEndian(data, 0, 2) != 0 || littleEndian(data, 2, 2) != 1 ||
        littleEndian(data, 4, 2) == 0) {
        return {};
    }
    const std::uint32_t size = littleEndian(data, kDirectory + 8, 4);
    const std::uint32_t offset = littleEndian(data, kDirectory + 12, 4);
    if (offset < kDirectory + kEntry || offset > data.size() || size == 0 ||
        size > data.size() - offset) {
        return {};
    }
    auto* image = reinterpret_cast<PBYTE>(const_cast<std::byte*>(data.data() + offset));
    constexpr DWORD kIconFormatVersion = 0x00030000;
    return IconHandle(
        CreateIconFromResourceEx(image, size, TRUE, kIconFormatVersion, 0, 0, LR_DEFAULTCOLOR));
}

}  // namespace runtime::win32
