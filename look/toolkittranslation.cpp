#include "toolkittranslation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The file dialog's names for a drive and a folder moved to a context of
// their own in Qt 6, which the Japanese catalogue does not have yet.
class FileTypeNames : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        if (qstrcmp(source, "Drive") == 0)
            return QStringLiteral("ドライブ");
        if (qstrcmp(source, "Folder") == 0)
            return QStringLiteral("フォルダー");
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void translateToolkitIntoJapanese(QApplication &app)
{
    // Sizes, dates and file types in the file dialog follow the default locale.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QApplication::installTranslator(new FileTypeNames(&app));
    auto *translator = new QTranslator(&app);
    if (translator->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
