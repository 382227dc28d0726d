#include "accessiblenames.h"

#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

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
        {"Combo7", "Label12"},  {"Text4", "Frame3"},
    };
    static const QRegularExpression decoration("[【】※()（）\\[\\]]");
    for (const auto &f : fields) {
        auto *field = mainWindow->findChild<QWidget *>(QString::fromLatin1(f.field));
        auto *caption = mainWindow->findChild<QWidget *>(QString::fromLatin1(f.caption));
        auto *label = qobject_cast<QLabel *>(caption);
        auto *frame = qobject_cast<QGroupBox *>(caption);
        const QString name = QString(label ? label->text() : frame->title()).remove(decoration);
        field->setAccessibleName(name);
        if (label) {
            label->setAccessibleName(name);
            label->setBuddy(field);
        }
    }
}
