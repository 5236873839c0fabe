#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace runtime::win32 {

// Owning handles for the few kinds of Win32 object the backend makes.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <class Handle>
using GdiHandle = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using FontHandle = GdiHandle<HFONT>;
using BitmapHandle = GdiHandle<HBITMAP>;
using BrushHandle = GdiHandle<HBRUSH>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// The screen's device context, for measuring.
class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// One reference to a COM object.
template <class Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }

    Interface* get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For the calls that hand out a new reference.
    Interface** out() {
        reset();
        return &object_;
    }
    void reset() {
        if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
    }

  private:
    Interface* object_ = nullptr;
};

}  // namespace runtime::win32
