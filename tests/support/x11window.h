#pragma once

#include <QPoint>
#include <QStringList>

#include <optional>

// Another program's window on the X display, as the desktop sees it.
namespace x11window {

// Where the window is on the screen; nothing once it is gone.
std::optional<QPoint> position(quint64 window);

// Asks the window to close, as its title bar's close button does.
void closeAsUser(quint64 window);

// Runs xdotool, which finds, focuses and types into windows as the desktop
// does; what it printed, trimmed, or nothing when it did not end in time.
QByteArray xdotool(const QStringList &arguments);

}  // namespace x11window
