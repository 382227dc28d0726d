// What a screen reader reads for each field of the main window.
#include "app/mainwindow.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreNamedByTheirCaptions_data();
    void fieldsAreNamedByTheirCaptions();
};

void AccessibleNamesTest::fieldsAreNamedByTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    const char *const rows[][2] = {
        {"Text1", "タイトル"}, {"Text2", "説明本文"},     {"Text3", "その他"},
        {"Text4", "HTMLソース"}, {"Combo4", "タイトルサイズ"}, {"Combo1", "枠色"},
        {"Combo5", "文色"},     {"Combo2", "左枠"},         {"Combo3", "右枠"},
        {"Combo6", "字色左"},   {"Combo7", "字色右"},       {"Check9", "スルガ銀行"},
        {"Command3", "プレビュー"}, {"Command2", "オークション貼付状態"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]);
}

// A list reports its current item as its name on this desktop; what names it
// for a screen reader is the caption it is labelled by.
void AccessibleNamesTest::fieldsAreNamedByTheirCaptions()
{
    QFETCH(QString, name);
    QTemporaryDir folder;
    MainWindow window(folder.path());
    QAccessibleInterface *field =
        QAccessible::queryAccessibleInterface(window.findChild<QWidget *>(QTest::currentDataTag()));
    QVERIFY(field);
    QStringList labels;  // a list in a frame is labelled by the frame too
    for (const auto &label : field->relations(QAccessible::Label))
        labels << label.first->text(QAccessible::Name);
    if (QByteArray(QTest::currentDataTag()).startsWith("Combo"))
        QVERIFY2(labels.contains(name), qPrintable(labels.join('|')));
    else
        QCOMPARE(field->text(QAccessible::Name), name);
}

QTEST_MAIN(AccessibleNamesTest)
#include "test_accessiblenames.moc"
