#include "windowsystem.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>

void chooseWindowSystem()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland"));
}

bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void fixWindowSize(QWidget *window, const QSize &size)
{
    if (onWayland()) {
        window->setMinimumSize(size);
        window->resize(size);
    } else {
        window->setFixedSize(size);
    }
}
