// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "XDriver.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/select.h>

XDriver::XDriver() : display_(XOpenDisplay(nullptr))
{
    if (!display_) {
        std::fprintf(stderr, "no X display\n");
        std::exit(2);
    }
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
}

XDriver::~XDriver()
{
    XCloseDisplay(display_);
}

XWindow XDriver::waitForMappedWindow(double seconds)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    const int fd = ConnectionNumber(display_);
    while (Clock::now() < deadline) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return event.xmap.window;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 20000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    return 0;
}

XDriver::Size XDriver::size(XWindow window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes))
        return {};
    return {attributes.width, attributes.height};
}

std::uint32_t XDriver::pixel(XWindow window, int x, int y)
{
    const std::vector<std::uint32_t> one = pixels(window, x, y, 1, 1);
    return one.empty() ? 0 : one.front();
}

std::vector<std::uint32_t> XDriver::pixels(XWindow window, int x, int y, int width, int height)
{
    XImage *image = XGetImage(display_, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<std::uint32_t> values;
    values.reserve(std::size_t(width) * height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column)
            values.push_back(XGetPixel(image, column, row) & 0xffffff);
    }
    XDestroyImage(image);
    return values;
}

void XDriver::moveTo(XWindow window, int x, int y)
{
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display_, -1, rootX, rootY, CurrentTime);
    XFlush(display_);
}

void XDriver::click(XWindow window, int x, int y)
{
    moveTo(window, x, y);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
}

void XDriver::close(XWindow window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

XWindow XDriver::coverScreen(int width, int height)
{
    const Window cover = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, width,
                                             height, 0, 0, 0x808080);
    XMapRaised(display_, cover);
    XSync(display_, False);
    return cover;
}

bool XDriver::isOnTop(XWindow window)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count))
        return false;
    // Children come bottom to top; the top one that is mapped counts.
    bool top = false;
    for (unsigned i = count; i-- > 0;) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, children[i], &attributes) &&
            attributes.map_state == IsViewable) {
            top = children[i] == window;
            break;
        }
    }
    XFree(children);
    return top;
}
