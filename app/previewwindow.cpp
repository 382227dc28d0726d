#include "previewwindow.h"

#include "previewengine.h"
#include "previewscheme.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineDownloadRequest>
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

// The preview's own profile: off the record, so the engine keeps no cache,
// cookies or storage on disk, and it saves nothing: a download (such as
// "save page") is refused, and its folder is one that exists, so that
// nothing makes one in the user's home.
static QWebEngineProfile *listingProfile()
{
    static QPointer<QWebEngineProfile> profile;
    if (!profile) {
        profile = new QWebEngineProfile(qApp);
        profile->setDownloadPath(QDir::tempPath());
        QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                         [](QWebEngineDownloadRequest *download) { download->cancel(); });
        previewScheme::install(profile);
    }
    return profile;
}

// A listing is untrusted text: the page shows it and nothing else.
class ListingPage : public QWebEnginePage {
public:
    explicit ListingPage(QObject *parent) : QWebEnginePage(listingProfile(), parent)
    {
        QWebEngineSettings *s = settings();
        s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
        connect(this, &QWebEnginePage::loadFinished, this, [this] { setVisible(true); });
        connect(this, &QWebEnginePage::newWindowRequested, this,
                [](QWebEngineNewWindowRequest &request) {
                    if (request.isUserInitiated())
                        openOutside(request.requestedUrl());
                });
    }

    // Loads the listing; the one main-frame navigation let through.
    void showListing(const QString &path)
    {
        listingPath = path;
        loadRequested = true;
        // Hidden while it loads, the page is laid out once, when shown,
        // instead of again for every piece of a long listing that arrives.
        setVisible(false);
        load(previewScheme::serve(path));
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        // Frames inside the listing may load; a link leaves for the desktop's
        // browser. The listing itself loads once per preview: a refresh or
        // redirect of its own would otherwise load it again and again.
        const bool link = type == NavigationTypeLinkClicked;
        if (isMainFrame ? std::exchange(loadRequested, false) &&
                              previewScheme::names(url, listingPath)
                        : !link)
            return true;
        if (link)
            openOutside(url);
        return false;
    }

private:
    QString listingPath;
    bool loadRequested = false;
};

// Offers what works on a shown listing: copying, and selecting all.
class ListingView : public QWebEngineView {
public:
    using QWebEngineView::QWebEngineView;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        // The engine has no Japanese texts of its own.
        auto add = [this](QMenu *menu, QWebEnginePage::WebAction action, const QString &text) {
            QAction *entry = pageAction(action);
            entry->setText(text);
            menu->addAction(entry);
        };
        auto *menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        add(menu, QWebEnginePage::Copy, QStringLiteral("コピー(&C)"));
        if (lastContextMenuRequest() && lastContextMenuRequest()->linkUrl().isValid())
            add(menu, QWebEnginePage::CopyLinkToClipboard, QStringLiteral("リンクのアドレスをコピー(&L)"));
        add(menu, QWebEnginePage::SelectAll, QStringLiteral("すべて選択(&A)"));
        menu->popup(event->globalPos());
    }
};

PreviewWindow::PreviewWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Form2");
    setWindowTitle("プレビュー");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(643, 465);
    previewEngine::start();
    m_browser = new ListingView(this);
    m_browser->setObjectName("WebBrowser1");
    m_browser->setGeometry(0, 0, 641, 465);
    m_page = new ListingPage(m_browser);
    m_browser->setPage(m_page);
}

void PreviewWindow::showFile(const QString &path)
{
    m_page->showListing(path);
}
