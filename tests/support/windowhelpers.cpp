#include "windowhelpers.h"

#include "app/desktopinterface.h"
#include "app/mainwindow.h"

#include <QtTest>
#include <QtWidgets>

void prepareProgramFolder(const QString &folder, const QString &pictures, const QStringList &names)
{
    for (const QString &picture : names)
        QFile::copy(QDir(pictures).filePath(picture), QDir(folder).filePath(picture));
    QFile::link(RUMITA_PREVIEW_PROGRAM, QDir(folder).filePath(QFileInfo(RUMITA_PREVIEW_PROGRAM).fileName()));
}

std::optional<QString> answerDialog(QWidget *modal, const QString &answer)
{
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        const QString shown = QString("%1|%2|%3").arg(box->windowTitle(), box->text()).arg(box->icon());
        box->button(answer == "Yes" ? QMessageBox::Yes : answer == "No" ? QMessageBox::No : QMessageBox::Ok)->click();
        return shown;
    }
    if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        const QString shown =
            dialog->directory().path() + '|' + dialog->windowTitle() + '|' + dialog->nameFilters().join(';') + '|' + name->text();
        name->setText(answer);
        QMetaObject::invokeMethod(dialog, "accept");
        return shown;
    }
    return std::nullopt;
}

bool previewAndWait(MainWindow &window, int timeoutMs, quint64 *shownWindow)
{
    PreviewClient &preview = window.desktop().preview();
    QSignalSpy shown(&preview, &PreviewClient::windowShown), loaded(&preview, &PreviewClient::loaded);
    window.form().preview();
    const bool ok = loaded.wait(timeoutMs) && loaded.constLast().value(0).toBool();
    if (shownWindow && !shown.isEmpty())
        *shownWindow = shown[0][0].value<quint64>();
    return ok;
}
