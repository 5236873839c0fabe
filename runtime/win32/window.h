#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/backend.h"
#include "runtime/stored_bitmap.h"
#include "runtime/win32/handles.h"
#include "runtime/win32/list_box.h"
#include "runtime/win32/pictures.h"

namespace runtime::win32 {

inline constexpr wchar_t kFormClassName[] = L"KestravoForm";

// The state of one top-level window built from a layout. Its window handle owns it from
// creation on and frees it when the window is gone, so a destruction that has to wait for the
// window's own messages to finish keeps everything the window still draws with.
class FormWindow {
  public:
    // Creates the window with its menu and controls, hidden; null when the platform refuses.
    static HWND create(const FormLayout& layout, WindowEvents& events, HINSTANCE instance);
    static FormWindow* of(HWND window);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;

    FormWindow(const FormLayout& layout, WindowEvents& events);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Stops forwarding events: the window object has let the window go.
    void detach() { events_ = nullptr; }
    // True while one of the window's own messages is being handled.
    bool busy() const { return depth_ > 0; }
    bool maximised() const;
    HWND control(std::string_view name) const;

  private:
    struct Child {
        const ControlLayout* entry;
        HWND handle;
    };

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void buildControls(HINSTANCE instance);
    HWND createControl(const ControlLayout& entry, UINT id, HINSTANCE instance);
    void paintBackground(HDC dc) const;
    LRESULT labelColours(HDC dc, HWND label) const;
    void command(WPARAM wParam, LPARAM lParam);
    void focusControl();
    HWND firstTabStop() const;
    const Child* child(HWND handle) const;
    void click(std::string_view control);
    void closedFromFrame();

    const FormLayout& layout_;
    WindowEvents* events_;
    HWND window_ = nullptr;
    bool ownedByHandle_ = false;
    int depth_ = 0;
    HWND lastFocus_ = nullptr;
    BrushHandle background_;
    Picture picture_;
    std::optional<StoredBitmap> bitmap_;  // held while loaded; nothing shows it
    IconHandle icon_;
    std::vector<FontHandle> fonts_;
    std::vector<Child> children_;  // in creation order, which is the tab order
};

class Win32Window final : public WindowPeer {
  public:
    Win32Window(const FormLayout& layout, WindowEvents& events, HINSTANCE instance);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    Status setVisible(bool visible) override;
    Status close() override { return kOk; }
    ListBoxPeer* listBox(std::string_view name) override;

    HWND handle() const { return window_; }

  private:
    HWND window_;
    std::map<std::string, std::unique_ptr<Win32ListBox>, std::less<>> lists_;
};

}  // namespace runtime::win32
