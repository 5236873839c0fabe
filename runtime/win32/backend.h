#pragma once

#include <windows.h>

#include <string>

#include "runtime/backend.h"

namespace runtime::win32 {

// The runtime's platform on the plain Win32 API. Needs COM initialised on its thread for the
// pictures.
class Win32Backend final : public Backend {
  public:
    explicit Win32Backend(HINSTANCE instance);
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    std::unique_ptr<WindowPeer> createWindow(const FormLayout& layout,
                                             WindowEvents& events) override;
    std::int32_t messageBox(std::string_view prompt, std::int32_t buttons,
                            std::string_view title) override;
    void showErrorBox(std::string_view applicationName, const RuntimeError& error) override;
    int runEventLoop() override;
    void quit(int exitCode) override;
    std::uint64_t randomSeed() override;

  private:
    class ModalScope;

    bool isFormWindow(HWND window) const;
    int modalBox(const std::wstring& text, const std::wstring& caption, UINT type) const;

    HINSTANCE instance_;
    ATOM formClass_;
};

}  // namespace runtime::win32
