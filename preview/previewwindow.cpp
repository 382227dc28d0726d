#include "previewwindow.h"

#include "look/twips.h"
#include "previewscheme.h"

#include <QApplication>
#include <QCloseEvent>
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
        previewscheme::install(profile);
    }
    return profile;
}

// A listing is untrusted text: the page shows it and nothing else.
class ListingPage : public QWebEnginePage {
public:
    ListingPage(PreviewWindow *window, QObject *parent)
        : QWebEnginePage(listingProfile(), parent),
          m_window(window)
    {
        QWebEngineSettings *s = settings();
        s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
        connect(this, &QWebEnginePage::loadFinished, this, [this](bool ok) {
            m_loading = false;
            setVisible(true);
            emit m_window->loaded(ok);
        });
        connect(this, &QWebEnginePage::newWindowRequested, this,
                [](QWebEngineNewWindowRequest &request) {
                    if (request.isUserInitiated())
                        openOutside(request.requestedUrl());
                });
    }

    // Loads the listing; the one main-frame navigation let through.
    void showListing(const QString &path, const QByteArray &bytes)
    {
        m_listingPath = path;
        m_loadRequested = true;
        // Hidden while it loads, the page is laid out once, when shown,
        // instead of again for every piece of a long listing that arrives.
        setVisible(false);
        load(previewscheme::serve(path, bytes));
    }

protected:
    // The engine's notes on the page (such as a refused refresh) are no news
    // to the seller.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int,
                                  const QString &) override
    {
    }

    // Every frame loads once per preview: the listing itself, then the frames
    // inside it while it loads. A refresh or redirect of any of them would
    // otherwise load it again and again, for as long as the window is open.
    // A link leaves for the desktop's browser.
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeLinkClicked) {
            openOutside(url);
            return false;
        }
        if (isMainFrame) {
            m_loading =
                std::exchange(m_loadRequested, false) && previewscheme::names(url, m_listingPath);
            return m_loading;
        }
        return m_loading && type != NavigationTypeRedirect && type != NavigationTypeReload;
    }

private:
    PreviewWindow *m_window;
    QString m_listingPath;
    bool m_loadRequested = false, m_loading = false;
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
            add(menu, QWebEnginePage::CopyLinkToClipboard,
                QStringLiteral("リンクのアドレスをコピー(&L)"));
        add(menu, QWebEnginePage::SelectAll, QStringLiteral("すべて選択(&A)"));
        menu->popup(event->globalPos());
    }
};

void PreviewWindow::prepareApplication()
{
    // Screen readers read the page too; the engine builds its part of the
    // accessibility tree only when asked to.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --force-renderer-accessibility");
    previewscheme::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Nothing goes to disk: the page's profile is off the record, and the
    // toolkit and the GL driver keep their compiled shaders in memory too.
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    if (!qEnvironmentVariableIsSet("MESA_SHADER_CACHE_DISABLE"))
        qputenv("MESA_SHADER_CACHE_DISABLE", "true");
}

PreviewWindow::PreviewWindow()
{
    setObjectName("Form2");
    setWindowTitle("プレビュー");
    setFixedSize(twips(9645, 6975));
    auto *client = new QWidget(this);
    setCentralWidget(client);
    m_browser = new ListingView(client);
    m_browser->setObjectName("WebBrowser1");
    m_browser->setGeometry(0, 0, 641, 465);
    m_page = new ListingPage(this, m_browser);
    m_browser->setPage(m_page);
}

void PreviewWindow::showListing(const QString &path, const QByteArray &bytes)
{
    m_page->showListing(path, bytes);
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}
