#include "appearance.h"

#include "compactstyle.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

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

QFont programFont() { return gothic(11); }

QFont compactFont() { return gothic(10); }

void applyAppearance(QApplication &app)
{
    Q_INIT_RESOURCE(resources);
    app.setStyle(new CompactStyle);
    app.setFont(programFont());
    app.setWindowIcon(QIcon(":/rumita.png"));
}
