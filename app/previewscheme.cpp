#include "previewscheme.h"

#include "memo/diskfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPointer>
#include <QSet>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include <limits>

namespace previewScheme {

static const QByteArray schemeName = QByteArrayLiteral("rumita-preview");

void registerScheme()
{
    QWebEngineUrlScheme scheme(schemeName);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Neither local, since the engine keeps local pages from remote pictures,
    // nor secure, since it upgrades or blocks plain-http pictures there: an
    // ordinary web page, which may not read local files.
    scheme.setFlags({});
    QWebEngineUrlScheme::registerScheme(scheme);
}

namespace {

class FileHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    QSet<QString> served;

    void requestStarted(QWebEngineUrlRequestJob *job) override
    {
        const QString path = job->requestUrl().path(QUrl::FullyDecoded);
        // The whole file at once: prev.html is rewritten by the next preview,
        // which may come while the engine still reads this one. Read as Open
        // reads, so that a pipe put in its place cannot stall the window.
        const auto bytes = served.contains(path)
                               ? diskfile::load(path, std::numeric_limits<qint64>::max())
                               : std::variant<QByteArray, QString>(QString());
        if (!std::holds_alternative<QByteArray>(bytes)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto *body = new QBuffer(job);
        body->setData(std::get<QByteArray>(bytes));
        job->reply(QByteArrayLiteral("text/html; charset=Shift_JIS"), body);
    }
};

}  // namespace

static QPointer<FileHandler> handler;

void install(QWebEngineProfile *profile)
{
    if (!handler)
        handler = new FileHandler(qApp);
    profile->installUrlSchemeHandler(schemeName, handler);
}

QUrl serve(const QString &path)
{
    handler->served.insert(path);
    QUrl url;
    url.setScheme(QString::fromLatin1(schemeName));
    url.setPath(path);
    return url;
}

bool names(const QUrl &url, const QString &path)
{
    return url.scheme() == QLatin1String(schemeName) && url.path(QUrl::FullyDecoded) == path;
}

}  // namespace previewScheme
