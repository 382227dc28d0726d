#include "compactstyle.h"

#include <QFontMetricsF>
#include <QStyleFactory>
#include <QStyleOption>

static constexpr int checkBoxSpacing = 2;
static constexpr int listFrame = 1;
static constexpr int listArrowWidth = 10;

CompactStyle::CompactStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_CheckBoxLabelSpacing)
        return checkBoxSpacing;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CompactStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                   SubControl subControl, const QWidget *widget) const
{
    if (control == CC_ComboBox && (subControl == SC_ComboBoxArrow || subControl == SC_ComboBoxEditField)) {
        const QRect inside = option->rect.adjusted(listFrame, listFrame, -listFrame, -listFrame);
        QRect rect = subControl == SC_ComboBoxArrow
            ? QRect(inside.right() - listArrowWidth + 1, inside.top(), listArrowWidth, inside.height())
            : inside.adjusted(0, 0, -listArrowWidth, 0);
        return visualRect(option->direction, option->rect, rect);
    }
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_GroupBox && subControl == SC_GroupBoxLabel) {
        // Fusion sizes a frame's title by its ink, which stops short of the
        // text's end after a closing bracket; the whole advance keeps such a
        // title whole in any font.
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        rect.setWidth(qMax(rect.width(), qCeil(QFontMetricsF(option->fontMetrics).horizontalAdvance(box->text))));
    }
    return rect;
}
