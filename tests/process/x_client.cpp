#include "tests/process/x_client.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testing_support {
namespace {

pid_t pidOf(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    pid_t pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data != nullptr && format == 32 && items == 1) {
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) XFree(data);
    return pid;
}

int channel(unsigned long pixel, unsigned long mask) {
    const int shift = __builtin_ctzl(mask);
    return static_cast<int>(((pixel & mask) >> shift) * 255 / (mask >> shift));
}

}  // namespace

XClient::XClient(const std::string& display) : display_(XOpenDisplay(display.c_str())) {}

XClient::~XClient() {
    if (display_ != nullptr) XCloseDisplay(display_);
}

XClient::WindowId XClient::shownWindowOf(pid_t pid) const {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (pidOf(display_, children[i]) == pid &&
            XGetWindowAttributes(display_, children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable && attributes.width > 1) {
            found = children[i];
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

void XClient::moveResize(WindowId window, int x, int y, int width, int height) const {
    XMoveResizeWindow(display_, window, x, y, static_cast<unsigned int>(width),
                      static_cast<unsigned int>(height));
    XSync(display_, False);
}

QImage XClient::shot(WindowId window) const {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display_, window, &attributes) == 0) return {};
    XImage* const shot =
        XGetImage(display_, window, 0, 0, static_cast<unsigned int>(attributes.width),
                  static_cast<unsigned int>(attributes.height), AllPlanes, ZPixmap);
    if (shot == nullptr) return {};
    QImage image(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* const line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            line[x] = qRgb(channel(pixel, shot->red_mask), channel(pixel, shot->green_mask),
                           channel(pixel, shot->blue_mask));
        }
    }
    XDestroyImage(shot);
    return image;
}

}  // namespace testing_support
