#include "x11window.h"

#include <QProcess>

#include <X11/Xlib.h>

namespace x11window {

std::optional<QPoint> position(quint64 window)
{
    // The window may be gone: an error then is an answer, not a reason to end.
    static Display *display = [] {
        XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
        return XOpenDisplay(nullptr);
    }();
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return std::nullopt;
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return QPoint(x, y);
}

QByteArray xdotool(const QStringList &arguments)
{
    QProcess run;
    run.start("xdotool", arguments);
    return run.waitForFinished(30000) ? run.readAllStandardOutput().trimmed() : QByteArray();
}

}  // namespace x11window
