#include "previewengine.h"

#include "previewscheme.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QOpenGLContext>

// Qt's own hook for the context that every OpenGL user of the process shares;
// the browser engine sets it the same way.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace previewEngine {

static QOpenGLContext *sharedContext = nullptr;

void prepare()
{
    previewScheme::registerScheme();
    // Linked in, the engine would create its shared OpenGL context with the
    // application and so load the GL driver at start-up (some 70 MB resident
    // under a software renderer). A context not yet created stands in its
    // place until the first preview.
    sharedContext = new QOpenGLContext;
    qt_gl_set_global_share_context(sharedContext);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qAddPostRoutine([] {
        qt_gl_set_global_share_context(nullptr);
        delete sharedContext;
        sharedContext = nullptr;
    });
}

void start()
{
    if (!sharedContext || sharedContext->isValid())
        return;
    // Made before the application, it knew no screen yet.
    sharedContext->setScreen(QGuiApplication::primaryScreen());
    sharedContext->setFormat(QSurfaceFormat::defaultFormat());
    sharedContext->create();
}

}  // namespace previewEngine
