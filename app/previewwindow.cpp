#include "previewwindow.h"

#include "previewengine.h"
#include "previewscheme.h"

#include <QDesktopServices>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

// Hands a link to the desktop's browser or mail program; other schemes could
// start arbitrary programs, so they go nowhere.
static void openOutside(const QUrl &url)
{
    static const QStringList schemes{"http", "https", "mailto"};
    if (schemes.contains(url.scheme()))
        QDesktopServices::openUrl(url);
}

// A listing is untrusted text: the page shows it and nothing else.
class ListingPage : public QWebEnginePage {
public:
    explicit ListingPage(QObject *parent)
        : QWebEnginePage(QWebEngineProfile::defaultProfile(), parent)
    {
        QWebEngineSettings *s = settings();
        s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
        connect(this, &QWebEnginePage::newWindowRequested, this,
                [](QWebEngineNewWindowRequest &request) {
                    if (request.isUserInitiated())
                        openOutside(request.requestedUrl());
                });
    }

    QString listingPath;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        // Frames inside the listing may load; a link leaves for the desktop's
        // browser, and nothing else replaces the listing.
        const bool link = type == NavigationTypeLinkClicked;
        if (isMainFrame ? previewScheme::names(url, listingPath) : !link)
            return true;
        if (link)
            openOutside(url);
        return false;
    }
};

PreviewWindow::PreviewWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Form2");
    setWindowTitle("プレビュー");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(643, 465);
    previewEngine::start();
    m_browser = new QWebEngineView(this);
    m_browser->setObjectName("WebBrowser1");
    m_browser->setGeometry(0, 0, 641, 465);
    m_page = new ListingPage(m_browser);
    m_browser->setPage(m_page);
}

void PreviewWindow::showFile(const QString &path)
{
    m_page->listingPath = path;
    m_browser->load(previewScheme::serve(path));
}
