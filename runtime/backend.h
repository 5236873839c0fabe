#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/layout.h"
#include "runtime/runtime_error.h"
#include "runtime/status.h"

namespace runtime {

// What a native window reports back to the window object that owns it.
class WindowEvents {
  public:
    virtual void click(std::string_view control) = 0;
    // The user closed the window from its frame (close box or the platform's close command).
    virtual void closedFromFrame() = 0;

  protected:
    ~WindowEvents() = default;
};

// A native list box: it keeps the items itself.
class ListBoxPeer {
  public:
    virtual ~ListBoxPeer() = default;
    virtual Status addItem(std::string_view text) = 0;  // appended as the last item
    virtual Status clear() = 0;
    virtual std::size_t count() const = 0;
    virtual std::string item(std::size_t index) const = 0;
};

// A native top-level window built from a layout. Destroying it destroys the window; a backend
// defers that where the window is still inside one of its own events.
class WindowPeer {
  public:
    virtual ~WindowPeer() = default;
    virtual Status setVisible(bool visible) = 0;
    // Asks the platform to let the window go; a failure leaves it loaded.
    virtual Status close() = 0;
    virtual ListBoxPeer* listBox(std::string_view name) = 0;
};

// Message box buttons value: OK and Cancel.
inline constexpr std::int32_t kOkCancel = 1;
inline constexpr std::int32_t kAnswerOk = 1;
inline constexpr std::int32_t kAnswerCancel = 2;

// One platform under the runtime: windows, the modal boxes and the event loop.
class Backend {
  public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<WindowPeer> createWindow(const FormLayout& layout,
                                                     WindowEvents& events) = 0;
    // Modal; returns the answer: 1 for OK, 2 for Cancel (also when closed without a button).
    virtual std::int32_t messageBox(std::string_view prompt, std::int32_t buttons,
                                    std::string_view title) = 0;
    virtual void showErrorBox(std::string_view applicationName, const RuntimeError& error) = 0;

    virtual int runEventLoop() = 0;
    virtual void quit(int exitCode) = 0;

    // A non-deterministic seed for the generator.
    virtual std::uint64_t randomSeed() = 0;
};

}  // namespace runtime
