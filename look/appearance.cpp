#include "appearance.h"

#include "compactstyle.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QWidget>

// Black text on light backgrounds, as the fixed colours of the window need.
static QPalette programPalette()
{
    QPalette palette = QApplication::style()->standardPalette();
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}

static QFont gothic(int pixelSize)
{
    // Like the desktop font the layout was drawn for; the CJK fallback serves
    // where it is missing.
    QFont font;
    font.setFamilies({"IPAPGothic", "Noto Sans CJK JP"});
    font.setPixelSize(pixelSize);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

// The program's own font, whatever the desktop's.
static QFont programFont() { return gothic(11); }

QFont compactFont() { return gothic(10); }

void applyAppearance(QApplication &app)
{
    Q_INIT_RESOURCE(resources);
    app.setStyle(new CompactStyle);
    app.setPalette(programPalette());
    app.setFont(programFont());
    app.setWindowIcon(QIcon(":/rumita.png"));
}

void fixWindowLook(QWidget *window)
{
    window->setPalette(programPalette());
    window->setFont(programFont());
}
