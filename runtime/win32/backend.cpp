#define _CRT_RAND_S  // rand_s, the C library's cryptographic source
#include "runtime/win32/backend.h"

#include <bcrypt.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/error_box_text.h"
#include "runtime/program.h"
#include "runtime/win32/text.h"
#include "runtime/win32/window.h"

namespace runtime::win32 {
namespace {

ATOM registerFormClass(HINSTANCE instance) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = &FormWindow::procedure;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    form.hbrBackground = nullptr;  // the window paints its own colour and picture
    form.lpszClassName = kFormClassName;
    return RegisterClassExW(&form);
}

BOOL CALLBACK collectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> threadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

}  // namespace

// Keeps every window of the program but the box's owner disabled while a box is up; the
// platform disables the owner itself and activates it again when the box goes.
class Win32Backend::ModalScope {
  public:
    ModalScope(const Win32Backend& backend, HWND owner) {
        for (HWND window : threadWindows()) {
            if (window != owner && backend.isFormWindow(window) && IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                disabled_.push_back(window);
            }
        }
    }
    ~ModalScope() {
        for (HWND window : disabled_) {
            if (IsWindow(window)) EnableWindow(window, TRUE);
        }
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    std::vector<HWND> disabled_;
};

Win32Backend::Win32Backend(HINSTANCE instance)
    : instance_(instance), formClass_(registerFormClass(instance)) {}

Win32Backend::~Win32Backend() {
    // Windows whose destruction was still waiting when the loop ended go now.
    for (HWND window : threadWindows()) {
        if (isFormWindow(window)) DestroyWindow(window);
    }
    if (formClass_ != 0) UnregisterClassW(kFormClassName, instance_);
}

bool Win32Backend::isFormWindow(HWND window) const {
    return formClass_ != 0 && window != nullptr &&
           GetClassLongPtrW(window, GCW_ATOM) == static_cast<ULONG_PTR>(formClass_);
}

std::unique_ptr<WindowPeer> Win32Backend::createWindow(const FormLayout& layout,
                                                       WindowEvents& events) {
    return std::make_unique<Win32Window>(layout, events, instance_);
}

std::int32_t Win32Backend::messageBox(std::string_view prompt, std::int32_t buttons,
                                      std::string_view title) {
    if (buttons != kOkCancel) return kAnswerCancel;
    // No icon, OK is the default button; closing the box answers Cancel.
    const int answer = modalBox(widen(prompt), widen(title), MB_OKCANCEL);
    return answer == IDOK ? kAnswerOk : kAnswerCancel;
}

void Win32Backend::showErrorBox(std::string_view applicationName, const RuntimeError& error) {
    modalBox(widen(errorBoxText(error)), widen(applicationName), MB_OK | MB_ICONERROR);
}

int Win32Backend::modalBox(const std::wstring& text, const std::wstring& caption, UINT type) const {
    // Owned by the active window, which gets the focus back afterwards; the whole program
    // waits for the answer.
    HWND active = GetActiveWindow();
    HWND owner = isFormWindow(active) ? active : nullptr;
    const ModalScope modal(*this, owner);
    return MessageBoxW(owner, text.c_str(), caption.c_str(),
                       type | (owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL));
}

int Win32Backend::runEventLoop() {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return kRunTimeErrorExitCode;
        // The dialog manager gives a form window the keyboard of a dialog: Tab moves the
        // focus, Enter and Space click the focused button.
        HWND top = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (isFormWindow(top) && IsDialogMessageW(top, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Backend::quit(int exitCode) {
    PostQuitMessage(exitCode);
}

std::uint64_t Win32Backend::randomSeed() {
    std::uint64_t seed = 0;
    if (BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&seed), sizeof seed,
                                       BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
        return seed;
    }
    unsigned int high = 0;
    unsigned int low = 0;
    if (rand_s(&high) == 0 && rand_s(&low) == 0) {
        return (static_cast<std::uint64_t>(high) << 32U) | low;
    }
    // Both sources failing leaves the generator's plain start; never a clock.
    return seed;
}

}  // namespace runtime::win32
