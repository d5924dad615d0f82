// Waits for a mapped top-level window whose name ends with the given text, checks its size,
// that its top-left corner is on the screen and that its class (WM_CLASS) is CLASS, by which
// a dock finds its desktop entry, and asks it to close with WM_DELETE_WINDOW, as a window
// manager's close button does.
//   x11_close_probe NAME_SUFFIX WIDTH HEIGHT CLASS [SECONDS]
// Exit status 0 when the window was found so and the request was sent.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

std::string windowName(Display* display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
            &after, &data) == Success &&
        data) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return name;
}

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
        text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

Window findWindow(Display* display, const std::string& suffix)
{
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable &&
            endsWith(windowName(display, children[i]), suffix))
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s NAME_SUFFIX WIDTH HEIGHT CLASS [SECONDS]\n", argv[0]);
        return 2;
    }
    const std::string suffix = argv[1];
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const std::string windowClass = argv[4];
    const int seconds = argc > 5 ? std::atoi(argv[5]) : 30;

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    Window window = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!(window = findWindow(display, suffix))) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(
                stderr, "no mapped window named '...%s' within %d s\n", suffix.c_str(), seconds);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    std::printf("window '%s' %dx%d at %d,%d\n", windowName(display, window).c_str(),
        attributes.width, attributes.height, attributes.x, attributes.y);
    if (attributes.width != width || attributes.height != height) {
        std::fprintf(stderr, "expected %dx%d\n", width, height);
        return 1;
    }
    if (attributes.x < 0 || attributes.y < 0) {
        std::fprintf(stderr, "the window's top-left corner is off the screen\n");
        return 1;
    }
    XClassHint hint {};
    const bool classRead = XGetClassHint(display, window, &hint);
    const std::string shownClass = classRead && hint.res_class ? hint.res_class : "";
    if (classRead) {
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    if (shownClass != windowClass) {
        std::fprintf(stderr, "the window's class is '%s', not '%s'\n", shownClass.c_str(),
            windowClass.c_str());
        return 1;
    }

    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}
