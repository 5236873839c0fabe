#pragma once

#include <sys/types.h>

#include <QImage>
#include <string>

struct _XDisplay;

namespace testing_support {

// A connection to an X display that watches and handles the windows of another process, as a
// window manager would. Xlib's headers stay out of this one: their macros clash with Qt's and
// GoogleTest's names.
class XClient {
  public:
    using WindowId = unsigned long;

    explicit XClient(const std::string& display);
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    bool connected() const { return display_ != nullptr; }
    // A mapped top-level window of the process, larger than a point; 0 while there is none.
    WindowId shownWindowOf(pid_t pid) const;
    void moveResize(WindowId window, int x, int y, int width, int height) const;
    // What the window shows on the screen, in 32-bit RGB; null when it is gone.
    QImage shot(WindowId window) const;

  private:
    _XDisplay* display_;
};

}  // namespace testing_support
