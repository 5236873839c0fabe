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

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance)
    : instance_(instance), formClass_(registerFormClass(instance)) {}

Win32Backend::~Win32Backend() {
    // Windows whose destruction was still waiting when the loop ended go now.
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &collectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
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
    // No owner and task-modal: every window of the program waits for the answer. No icon,
    // OK is the default button; closing the box answers Cancel.
    const int answer = MessageBoxW(nullptr, widen(prompt).c_str(), widen(title).c_str(),
                                   MB_OKCANCEL | MB_TASKMODAL);
    return answer == IDOK ? kAnswerOk : kAnswerCancel;
}

void Win32Backend::showErrorBox(std::string_view applicationName, const RuntimeError& error) {
    MessageBoxW(nullptr, widen(errorBoxText(error)).c_str(), widen(applicationName).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
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
