#include "compactstyle.h"

#include <QFontMetricsF>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtMath>

static constexpr int checkBoxSpacing = 2;
static constexpr int listFrame = 1;
static constexpr int listArrowWidth = 10;

CompactStyle::CompactStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                              const QWidget *widget) const
{
    if (metric == PM_CheckBoxLabelSpacing)
        return checkBoxSpacing;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CompactStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                   SubControl subControl, const QWidget *widget) const
{
    const bool listPart = subControl == SC_ComboBoxArrow || subControl == SC_ComboBoxEditField;
    if (control == CC_ComboBox && listPart) {
        const QRect inside = option->rect.adjusted(listFrame, listFrame, -listFrame, -listFrame);
        const QRect arrow(inside.right() - listArrowWidth + 1, inside.top(), listArrowWidth,
                          inside.height());
        const QRect field = inside.adjusted(0, 0, -listArrowWidth, 0);
        return visualRect(option->direction, option->rect,
                          subControl == SC_ComboBoxArrow ? arrow : field);
    }
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_GroupBox && subControl == SC_GroupBoxLabel) {
        // Fusion sizes a frame's title by its ink, which stops short of the
        // text's end after a closing bracket; the whole advance keeps such a
        // title whole in any font.
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        const qreal advance = QFontMetricsF(option->fontMetrics).horizontalAdvance(box->text);
        rect.setWidth(qMax(rect.width(), qCeil(advance)));
    }
    return rect;
}
