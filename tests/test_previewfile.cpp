// Where a preview's prev.html goes, and that it is replaced, not written through.
#include "formfixture.h"
#include "memo/cp932.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class PreviewFileTest : public QObject {
    Q_OBJECT
private slots:
    void previewGoesWhereItCanBeWritten_data();
    void previewGoesWhereItCanBeWritten();
};

void PreviewFileTest::previewGoesWhereItCanBeWritten_data()
{
    QTest::addColumn<QString>("programFolder");  // all under one temporary folder
    QTest::addColumn<QString>("cacheHome");
    QTest::addColumn<QString>("expectedFile");   // empty: a warning, no preview
    QTest::newRow("symlink at prev.html") << "program" << "cache" << "program/prev.html";
    QTest::newRow("read-only folder") << "read-only" << "cache" << "cache/rumita/prev.html";
    QTest::newRow("folder path is a file") << "victim" << "cache" << "cache/rumita/prev.html";
    QTest::newRow("neither writable") << "victim" << "victim/cache" << "";
}

void PreviewFileTest::previewGoesWhereItCanBeWritten()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, cacheHome);
    QFETCH(QString, expectedFile);
    if (programFolder == "read-only" && geteuid() == 0)
        QSKIP("root writes into a read-only folder");
    QTemporaryDir dir;
    QFile victim(dir.filePath("victim"));
    QVERIFY(victim.open(QIODevice::WriteOnly) && victim.write("keep") == 4 && victim.flush());
    QVERIFY(QDir(dir.path()).mkdir("program") && QDir(dir.path()).mkdir("read-only", QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(victim.link(dir.filePath("program/prev.html")));
    qputenv("XDG_CACHE_HOME", dir.filePath(cacheHome).toLocal8Bit());

    FormFixture f(dir.filePath(programFolder));
    f.form.preview();
    QCOMPARE(contents(victim.fileName()), QByteArray("keep"));
    if (expectedFile.isEmpty())
        QVERIFY(f.ui.preview.isEmpty() && f.ui.asked.size() == 1 && f.ui.asked[0].startsWith("ルミタ|"));
    else
        QVERIFY(f.ui.preview == dir.filePath(expectedFile) &&
                contents(dir.filePath(expectedFile)) == cp932::encode(f.s.syuturyoku + "\r\n"));
    struct stat cache {};
    if (expectedFile.startsWith("cache"))  // the user's alone
        QVERIFY(stat(QFile::encodeName(dir.filePath("cache/rumita")), &cache) == 0 && (cache.st_mode & 0777) == 0700);
}

QTEST_GUILESS_MAIN(PreviewFileTest)
#include "test_previewfile.moc"
