#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

class QWidget;

// The main program's side of the preview: starts the preview program (beside
// the main program, in its folder) at the first preview, hands it each
// listing, and ends it with the main window. When the preview program cannot
// start, or ends on its own, the main window is left as it was and the
// seller is told; the next preview starts it again.
class PreviewClient : public QObject {
    Q_OBJECT
public:
    PreviewClient(const QString &programFolder, QWidget *mainWindow);
    ~PreviewClient() override;

    // Shows the listing that the file holds now.
    void show(const QString &path);
    // Ends the preview program and its window, without a word.
    void close();

    // Asks for the text the page shows; pageText() answers.
    void requestPageText();

    // The preview program's process id while it runs, or 0.
    qint64 processId() const { return m_process ? m_process->processId() : 0; }

signals:
    // What the preview program reports.
    void windowShown(quint64 windowId);
    void loaded(bool ok);
    void pageText(const QString &text);
    // The preview could not be shown, and why, in a sentence for the seller.
    void failed(const QString &message);

private:
    void readReports();
    void ended();
    // Lets the preview program end, without waiting; the process, or null.
    QProcess *release();

    QString m_program;
    QWidget *m_mainWindow;
    QProcess *m_process = nullptr;
    bool m_refusedAsRoot = false;
    qint64 m_listingsSent = 0;  // to the running preview program
};
