#include "previewscheme.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace previewscheme {

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

// The page's own frames go sandboxed: a sandboxed document may not refresh
// or redirect itself with a meta tag, so each of them loads once, and an idle
// page costs nothing. Frames inside them inherit the sandbox. ("<" is never a
// trail byte of Shift_JIS, so a match is always a whole tag.)
QByteArray withFramesSandboxed(const QByteArray &page)
{
    static const QByteArray tag = QByteArrayLiteral("<iframe");
    const QByteArray lower = page.toLower();
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype at; (at = lower.indexOf(tag, from)) >= 0; from = at + tag.size()) {
        out += page.mid(from, at + tag.size() - from);
        const char next = at + tag.size() < lower.size() ? lower[at + tag.size()] : 0;
        if (next == ' ' || next == '\t' || next == '\n' || next == '\r' || next == '\f' ||
            next == '/' || next == '>')
            out += " sandbox";
    }
    return out + page.mid(from);
}

namespace {

class ListingHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    QString path;
    QByteArray bytes;

    void requestStarted(QWebEngineUrlRequestJob *job) override
    {
        if (job->requestUrl().path(QUrl::FullyDecoded) != path) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto *body = new QBuffer(job);
        body->setData(bytes);
        job->reply(QByteArrayLiteral("text/html; charset=Shift_JIS"), body);
    }
};

}  // namespace

static QPointer<ListingHandler> handler;

void install(QWebEngineProfile *profile)
{
    if (!handler)
        handler = new ListingHandler(qApp);
    profile->installUrlSchemeHandler(schemeName, handler);
}

QUrl serve(const QString &path, const QByteArray &bytes)
{
    handler->path = path;
    handler->bytes = withFramesSandboxed(bytes);
    QUrl url;
    url.setScheme(QString::fromLatin1(schemeName));
    url.setPath(path);
    return url;
}

bool names(const QUrl &url, const QString &path)
{
    return url.scheme() == QLatin1String(schemeName) && url.path(QUrl::FullyDecoded) == path;
}

}  // namespace previewscheme
