#include "bench/first_paint_watch.h"

#include <X11/Xatom.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <set>
#include <thread>
#include <vector>

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kTimeOut = std::chrono::seconds(20);

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// A size field of the process's status (VmRSS, VmHWM) in bytes; 0 when it cannot be read.
double statusBytes(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == field + ":") {
            double kib = 0;
            status >> kib;
            return kib * 1024;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

// Ends the child and reaps it, whatever state it is in.
void endChild(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    for (int tries = 0; tries < 200; ++tries) {
        if (waitpid(pid, &status, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

// Waits for the display's next event until the deadline; false at the deadline.
bool nextEvent(Display* display, XEvent& event, Clock::time_point deadline) {
    while (XPending(display) == 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(left.count()));
    }
    XNextEvent(display, &event);
    return true;
}

}  // namespace

FirstPaintWatch::FirstPaintWatch() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) return;
    int errorBase = 0;
    int eventBase = 0;
    if (XDamageQueryExtension(display_, &eventBase, &errorBase)) damageEvent_ = eventBase;
    pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

FirstPaintWatch::~FirstPaintWatch() {
    if (display_ != nullptr) XCloseDisplay(display_);
}

bool FirstPaintWatch::belongsTo(Window window, pid_t pid) const {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int got = XGetWindowProperty(display_, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type,
                                       &format, &count, &after, &data);
    bool ours = false;
    if (got == Success && data != nullptr && format == 32 && count == 1) {
        ours = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
    }
    if (data != nullptr) XFree(data);
    return ours;
}

std::optional<StartUpFigures> FirstPaintWatch::run(const std::string& program,
                                                   double settleSeconds) {
    if (!ready()) return std::nullopt;
    // Drop what earlier runs left queued.
    XSync(display_, True);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        // On the X display, never offscreen.
        unsetenv("QT_QPA_PLATFORM");
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }

    std::vector<Damage> damages;
    std::set<Window> tracked;
    std::optional<Clock::time_point> mapped;
    std::optional<Clock::time_point> painted;
    const Clock::time_point deadline = start + kTimeOut;
    XEvent event;
    while (!painted && nextEvent(display_, event, deadline)) {
        if (event.type == CreateNotify) {
            // Tracked from its creation, so that no drawing into it goes unseen.
            const Window window = event.xcreatewindow.window;
            damages.push_back(XDamageCreate(display_, window, XDamageReportNonEmpty));
            tracked.insert(window);
        } else if (event.type == MapNotify && tracked.count(event.xmap.window) != 0) {
            if (!mapped && belongsTo(event.xmap.window, pid)) mapped = Clock::now();
        } else if (event.type == damageEvent_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (belongsTo(damage.drawable, pid)) painted = Clock::now();
        }
    }
    std::optional<StartUpFigures> figures;
    if (painted) {
        std::this_thread::sleep_for(std::chrono::duration<double>(settleSeconds));
        figures = StartUpFigures{mapped ? secondsBetween(start, *mapped) : 0,
                                 secondsBetween(start, *painted), statusBytes(pid, "VmRSS"),
                                 statusBytes(pid, "VmHWM")};
    }
    endChild(pid);
    // Windows of an ended client are gone, and with them their damage objects.
    XSync(display_, True);
    return figures;
}

}  // namespace bench
