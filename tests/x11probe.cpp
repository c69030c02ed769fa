// A small X11 client for the smoke test of the real program:
//   x11probe wait NAME SECONDS   waits until a window called NAME is mapped
//                                and prints its geometry as WxH+X+Y
//   x11probe close NAME          asks that window to close, as a window
//                                manager's close button does
//   x11probe screen              prints the screen's size as WxH

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

Window findByName(Display *display, Window window, const std::string &name)
{
    char *title = nullptr;
    if (XFetchName(display, window, &title) && title) {
        const bool match = name == title;
        XFree(title);
        if (match)
            return window;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = findByName(display, children[i], name);
        if (children)
            XFree(children);
    }
    return found;
}

int wait(Display *display, const std::string &name, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Window window = findByName(display, DefaultRootWindow(display), name)) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, window, &attributes)
                && attributes.map_state == IsViewable) {
                int x = 0, y = 0;
                Window child;
                XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y,
                                      &child);
                std::printf("%dx%d+%d+%d\n", attributes.width, attributes.height, x, y);
                return 0;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::fprintf(stderr, "no window \"%s\" mapped within %d s\n", name.c_str(), seconds);
    return 1;
}

int close(Display *display, const std::string &name)
{
    const Window window = findByName(display, DefaultRootWindow(display), name);
    if (!window) {
        std::fprintf(stderr, "no window \"%s\"\n", name.c_str());
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    int result = 2;
    if (argc == 4 && !std::strcmp(argv[1], "wait"))
        result = wait(display, argv[2], std::atoi(argv[3]));
    else if (argc == 3 && !std::strcmp(argv[1], "close"))
        result = close(display, argv[2]);
    else if (argc == 2 && !std::strcmp(argv[1], "screen")) {
        std::printf("%dx%d\n", DisplayWidth(display, DefaultScreen(display)),
                    DisplayHeight(display, DefaultScreen(display)));
        result = 0;
    }
    XCloseDisplay(display);
    return result;
}
