#include "accessiblenames.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

static const char groupProperty[] = "rumitaGroup";

// The toolkit exposes a plain widget as a client area, which this desktop's
// screen readers call a filler. A window of its own is a window, with its
// caption as its name, and a widget that only gathers controls is their group.
static QAccessibleInterface *plainWidgetByRole(const QString &className, QObject *object)
{
    if (className != QLatin1String("QWidget") || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (widget->property(groupProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

// The nine payment boxes go into a group of their own, named by their
// caption, at the place they had: nothing moves on the screen.
static void groupPaymentBoxes(QWidget *mainWindow, const QString &name)
{
    const char *const boxes[] = {"Check20", "Check3", "Check9", "Check5", "Check7",
                                 "Check4",  "Check2", "Check6", "Check8"};
    QList<QWidget *> members;
    QRect area;
    for (const char *box : boxes) {
        members << mainWindow->findChild<QWidget *>(QString::fromLatin1(box));
        area |= members.last()->geometry();
    }
    auto *group = new QWidget(members.first()->parentWidget());
    group->setObjectName("paymentMethods");
    group->setProperty(groupProperty, true);
    group->setAccessibleName(name);
    group->setGeometry(area);
    for (QWidget *member : members) {
        const QPoint at = member->pos() - area.topLeft();
        member->setParent(group);
        member->move(at);
    }
}

// A field is named after the caption beside it, without the caption's
// decoration (【】, ※, brackets), which a screen reader would spell out, and
// the caption is tied to it as its buddy. Lists need the tie: on this desktop
// the toolkit reports a list's current item as its name, and screen readers
// announce the list by its "labelled by" caption. Buttons and check boxes are
// named by their own captions already.
void nameFieldsForScreenReaders(QWidget *mainWindow)
{
    static const struct {
        const char *field, *caption;
    } fields[] = {
        {"Text1", "Label5(0)"}, {"Text2", "Label5(3)"}, {"Text3", "Label5(4)"},
        {"Combo4", "Label13"},  {"Combo1", "Label7"},   {"Combo5", "Label8"},
        {"Combo2", "Label9"},   {"Combo3", "Label10"},  {"Combo6", "Label11"},
        {"Combo7", "Label12"},  {"Text4", "Frame3"},    {nullptr, "Label5(2)"},
    };
    static const QRegularExpression decoration("[【】「」［］※()（）\\[\\]]");
    QAccessible::installFactory(plainWidgetByRole);  // once: the toolkit skips a repeat
    for (const auto &f : fields) {
        auto *caption = mainWindow->findChild<QWidget *>(QString::fromLatin1(f.caption));
        auto *label = qobject_cast<QLabel *>(caption);
        auto *frame = qobject_cast<QGroupBox *>(caption);
        const QString name = QString(label ? label->text() : frame->title()).remove(decoration);
        if (!f.field) {
            groupPaymentBoxes(mainWindow, name);
            continue;
        }
        auto *field = mainWindow->findChild<QWidget *>(QString::fromLatin1(f.field));
        field->setAccessibleName(name);
        if (label) {
            label->setAccessibleName(name);
            label->setBuddy(field);
        }
    }
    // The other captions read without their brackets too.
    for (QWidget *w : mainWindow->findChildren<QWidget *>()) {
        const QString caption =
            w->property(qobject_cast<QGroupBox *>(w) ? "title" : "text").toString();
        if (w->accessibleName().isEmpty() && caption.contains(decoration))
            w->setAccessibleName(QString(caption).remove(decoration));
    }
}
