#include "x11window.h"

#include <QProcess>

#include <X11/Xlib.h>

namespace x11window {

// The window may be gone: an error then is an answer, not a reason to end.
static Display *display()
{
    static Display *const opened = [] {
        XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
        return XOpenDisplay(nullptr);
    }();
    return opened;
}

std::optional<QPoint> position(quint64 window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display(), window, &attributes) || attributes.map_state != IsViewable)
        return std::nullopt;
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display(), window, DefaultRootWindow(display()), 0, 0, &x, &y, &child);
    return QPoint(x, y);
}

void closeAsUser(quint64 window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display(), "WM_DELETE_WINDOW", False));
    XSendEvent(display(), window, False, NoEventMask, &event);
    XFlush(display());
}

QByteArray xdotool(const QStringList &arguments)
{
    QProcess run;
    run.start("xdotool", arguments);
    return run.waitForFinished(30000) ? run.readAllStandardOutput().trimmed() : QByteArray();
}

}  // namespace x11window
