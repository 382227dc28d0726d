#pragma once

#include <QColor>
#include <QWidget>

// Paints a widget's own background in a fixed colour.
inline void fillBackground(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}
