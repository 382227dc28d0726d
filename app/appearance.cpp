#include "appearance.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

void applyAppearance(QApplication &app)
{
    Q_INIT_RESOURCE(resources);
    app.setStyle(QStyleFactory::create("Fusion"));
    // A proportional gothic, like the desktop font the layout was drawn for;
    // the CJK fallback serves where it is missing.
    QFont font("IPAPGothic");
    font.setFamilies({"IPAPGothic", "Noto Sans CJK JP"});
    font.setPixelSize(11);
    app.setFont(font);
    // Narrow paddings: the controls keep the small sizes they were drawn at.
    app.setStyleSheet("QCheckBox { spacing: 2px; }"
                      "QPushButton { padding: 0px; }"
                      "QComboBox { padding-left: 2px; }"
                      "QComboBox::drop-down { width: 12px; }");
    app.setWindowIcon(QIcon(":/rumita.png"));
}
