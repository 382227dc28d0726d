#pragma once

#include <QMainWindow>

class ListingPage;
class QWebEngineView;

// Form2: the listing as buyers will see it, in a browser view. A main window
// to the desktop and to screen readers, although it has no menu.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    PreviewWindow();

    // Before the application object exists: the engine's settings for the
    // whole process.
    static void prepareApplication();

    // Loads the listing again, also when it is the one already shown.
    void showListing(const QString &path, const QByteArray &bytes);
    QWebEngineView *browser() const { return m_browser; }

signals:
    void loaded(bool ok);
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWebEngineView *m_browser;
    ListingPage *m_page;
};
