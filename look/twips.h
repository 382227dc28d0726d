#pragma once

#include <QRect>
#include <QSize>

// The windows are designed in twips, 15 to the pixel: every size and place
// is written as designed and turned into pixels here.
inline int twips(int length) { return qRound(length / 15.0); }
inline QSize twips(int width, int height) { return QSize(twips(width), twips(height)); }
inline QRect twips(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
