#include "toolkittranslation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void translateToolkitIntoJapanese(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
