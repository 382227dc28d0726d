#pragma once

#include <QString>
#include <QUrl>

class QWebEngineProfile;

// The preview file carries no charset, and the engine's own guess can take a
// listing for another encoding (half-width katakana alone reads as Cyrillic).
// So the preview window reads the file through a URL scheme of its own, which
// hands the engine the file's bytes untouched as Shift_JIS HTML.
namespace previewScheme {

// The engine accepts new schemes only before the application object exists:
// previewEngine::prepare() calls this.
void registerScheme();

// Serves the scheme to the pages of the profile.
void install(QWebEngineProfile *profile);

// Lets the engine read the file and gives the URL under which it does. Only
// files handed over here are served.
QUrl serve(const QString &path);

// Whether the URL names the file, whatever its fragment.
bool names(const QUrl &url, const QString &path);

}  // namespace previewScheme
