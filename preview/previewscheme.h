#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

class QWebEngineProfile;

// The preview file carries no charset, and the engine's own guess can take a
// listing for another encoding (half-width katakana alone reads as Cyrillic).
// So the page is read through a URL scheme of its own, which hands the engine
// the listing's bytes untouched as Shift_JIS HTML: the bytes the main program
// sent for this preview, not whatever the file holds by the time the engine
// asks, since another instance may have rewritten it meanwhile.
namespace previewscheme {

// The engine accepts new schemes only before the application object exists.
void registerScheme();

// Serves the scheme to the pages of the profile.
void install(QWebEngineProfile *profile);

// Serves the bytes under the file's path, in place of what was served
// before, and gives their URL. Links relative to the listing resolve as they
// would beside the file.
QUrl serve(const QString &path, const QByteArray &bytes);

// The page as the engine gets it: every frame in it loads once.
QByteArray withFramesSandboxed(const QByteArray &page);

// Whether the URL names the file, whatever its fragment.
bool names(const QUrl &url, const QString &path);

}  // namespace previewscheme
