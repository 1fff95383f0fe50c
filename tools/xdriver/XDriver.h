// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// An X window, as Xlib's Window, without Xlib's macros in every file that drives one.
using XWindow = unsigned long;
struct _XDisplay;

// One connection to the X server named by DISPLAY, for a test or a benchmark that drives the
// program from outside: it finds the program's window, reads pixels back from the server,
// moves and clicks the pointer through the XTest extension, and closes the window as a window
// manager does. Positions are in the window's own pixels.
class XDriver {
public:
    XDriver();
    ~XDriver();
    XDriver(const XDriver &) = delete;
    XDriver &operator=(const XDriver &) = delete;

    // The next top-level window mapped, or 0 after seconds.
    XWindow waitForMappedWindow(double seconds);
    struct Size {
        int width = 0;
        int height = 0;
    };
    // The window's size in its pixels, or zero when it is gone.
    Size size(XWindow window);
    // A pixel as 0xRRGGBB.
    std::uint32_t pixel(XWindow window, int x, int y);
    // The pixels of a rectangle, row by row, as 0xRRGGBB.
    std::vector<std::uint32_t> pixels(XWindow window, int x, int y, int width, int height);
    void moveTo(XWindow window, int x, int y);
    void click(XWindow window, int x, int y);
    // Asks the window to close, as a window manager's close button does.
    void close(XWindow window);
    // A plain window of the given size over everything else, mapped.
    XWindow coverScreen(int width, int height);
    // Whether window stands above every other top-level window.
    bool isOnTop(XWindow window);

private:
    _XDisplay *display_;
};
