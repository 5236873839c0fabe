#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <sys/types.h>

#include <optional>
#include <string>

namespace bench {

// What a watched start-up gave: seconds from just before the fork to the window's map and to
// the first drawing into it, and shortly after that the resident size and its peak so far.
struct StartUpFigures {
    double mappedSeconds = 0;
    double paintedSeconds = 0;
    double residentBytes = 0;
    double peakResidentBytes = 0;
};

// Watches a program start on the X display in DISPLAY: it sees every top-level window
// created, tracks drawing into it with the DAMAGE extension, and takes the first drawing into
// a window of the started process as its first paint. No hook in the watched program.
class FirstPaintWatch {
  public:
    FirstPaintWatch();
    ~FirstPaintWatch();
    FirstPaintWatch(const FirstPaintWatch&) = delete;
    FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

    bool ready() const { return display_ != nullptr && damageEvent_ >= 0; }
    // Starts the program, waits for its first paint, waits `settle` seconds more, reads its
    // resident size and peak and ends it with SIGTERM. None when it did not paint within the time
    // out.
    std::optional<StartUpFigures> run(const std::string& program, double settleSeconds);

  private:
    Display* display_ = nullptr;
    int damageEvent_ = -1;
    Atom pidAtom_ = None;

    bool belongsTo(Window window, pid_t pid) const;
};

}  // namespace bench
