#pragma once

#include <QProxyStyle>

// Fusion with the narrow paddings of the small fixed controls the window was
// drawn with: a check box's caption close to its box, a list's text field as
// wide as a narrow drop-down arrow leaves it, and room for a frame's whole
// title.
class CompactStyle : public QProxyStyle {
    Q_OBJECT
public:
    CompactStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget = nullptr) const override;
};
