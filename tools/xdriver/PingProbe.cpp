// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PingProbe.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <sys/select.h>

namespace {

using Clock = std::chrono::steady_clock;

long long nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
        .count();
}

} // namespace

PingProbe::PingProbe(XWindow window, std::chrono::milliseconds interval)
    : window_(window), interval_(interval), thread_([this] { run(); })
{
}

PingProbe::~PingProbe()
{
    stop_ = true;
    thread_.join();
}

std::chrono::milliseconds PingProbe::waitAtShare(double share) const
{
    std::lock_guard lock(waitsMutex_);
    if (waitsMs_.empty())
        return longestWait();
    std::vector<long long> sorted = waitsMs_;
    std::sort(sorted.begin(), sorted.end());
    const auto at = std::min(sorted.size() - 1, std::size_t(share * double(sorted.size())));
    return std::chrono::milliseconds(sorted[at]);
}

std::chrono::milliseconds PingProbe::longestWait() const
{
    long long longest = longestMs_;
    if (const long long since = pendingSinceMs_; since >= 0)
        longest = std::max(longest, nowMs() - since);
    return std::chrono::milliseconds(longest);
}

// One ping is out at a time: the next goes when the last is answered and the interval is over.
// The answer comes back to the root window, where a window manager listens; clients send it
// for the root's structure or its substructure.
void PingProbe::run()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return;
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    long serial = 0;
    long long lastSent = 0;
    while (!stop_) {
        if (pendingSinceMs_ < 0 && nowMs() - lastSent >= interval_.count()) {
            XEvent event{};
            event.xclient.type = ClientMessage;
            event.xclient.window = window_;
            event.xclient.message_type = protocols;
            event.xclient.format = 32;
            event.xclient.data.l[0] = static_cast<long>(ping);
            event.xclient.data.l[1] = ++serial;
            event.xclient.data.l[2] = static_cast<long>(window_);
            lastSent = nowMs();
            pendingSinceMs_ = lastSent;
            XSendEvent(display, window_, False, NoEventMask, &event);
            XFlush(display);
        }
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                static_cast<Atom>(event.xclient.data.l[0]) == ping &&
                event.xclient.data.l[1] == serial && pendingSinceMs_ >= 0) {
                const long long waited = nowMs() - pendingSinceMs_;
                longestMs_ = std::max<long long>(longestMs_, waited);
                pendingSinceMs_ = -1;
                ++answered_;
                std::lock_guard lock(waitsMutex_);
                waitsMs_.push_back(waited);
            }
        }
        const int fd = ConnectionNumber(display);
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 2000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    XCloseDisplay(display);
}
