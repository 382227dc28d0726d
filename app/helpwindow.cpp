#include "helpwindow.h"

#include "look/appearance.h"
#include "look/twips.h"
#include "viewbinding.h"
#include "widgetcolour.h"
#include "windowsystem.h"

#include <QLabel>

static QLabel *colouredLabel(QWidget *parent, const char *name, const QRect &rect,
                             const QColor &colour)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    fillBackground(label, colour);
    return label;
}

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName("form3");
    setWindowTitle("HELP");
    fixWindowLook(this);
    setAttribute(Qt::WA_DeleteOnClose);
    fixWindowSize(this, twips(7830, 4005));

    QLabel *title = colouredLabel(this, "Label1", QRect(0, 0, 521, 17), QColor(255, 128, 128));
    title->setTextFormat(Qt::PlainText);
    title->setText(" ◆ルミタ［ヘルプ］◆");
    // The strip's proportional mincho where the desktop has it, another
    // Japanese serif otherwise.
    QFont font;
    font.setFamilies({"ＭＳ Ｐ明朝", "MS PMincho", "IPAPMincho", "Noto Serif CJK JP"});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(9);
    title->setFont(font);

    m_text = colouredLabel(this, "Label2", QRect(0, 16, 521, 249), QColor(255, 224, 192));
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
}

void HelpWindow::setText(const QString &text) { m_text->setText(viewbinding::toWidgetText(text)); }
