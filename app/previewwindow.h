#pragma once

#include <QWidget>

class ListingPage;
class QWebEngineView;

// Form2: the listing as buyers will see it, in a browser view. The window is
// deleted when closed; the next preview makes a new one.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget *parent = nullptr);

    // Loads the file again, also when it is the one already shown.
    void showFile(const QString &path);
    QWebEngineView *browser() const { return m_browser; }

private:
    QWebEngineView *m_browser;
    ListingPage *m_page;
};
