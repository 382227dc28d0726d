#include "previewsession.h"

#include "previewwindow.h"

#include <QApplication>
#include <QScreen>
#include <QWebEngineView>
#include <QUrl>

#include <cstdio>
#include <unistd.h>

static void say(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

PreviewSession::PreviewSession() : m_input(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&m_input, &QSocketNotifier::activated, this, &PreviewSession::readInput);
}

PreviewSession::~PreviewSession() = default;

void PreviewSession::readInput()
{
    char buffer[65536];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        // The main program has ended, or asks this one to.
        m_input.setEnabled(false);
        QApplication::quit();
        return;
    }
    m_reader.append(QByteArray(buffer, got));
    while (const auto request = m_reader.next())
        if (!request->textWanted)
            ++m_listingsRead, show(*request);
        else if (m_window)
            m_window->browser()->page()->toPlainText(
                [](const QString &text) { say("text " + QUrl::toPercentEncoding(text)); });
}

// The window opens to the right of the main window where the screen has
// room, so that the two do not cover each other; elsewhere the desktop
// places it.
static void placeBeside(QWidget *window, const previewprotocol::Request &request)
{
    const QRect main = request.mainFrame;
    const QSize frame = window->size() + main.size() - request.mainClient;
    const QRect wanted(QPoint(main.right() + 1, main.top()), frame);
    QScreen *screen = QGuiApplication::screenAt(main.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen->availableGeometry().contains(wanted))
        window->move(wanted.topLeft());
}

void PreviewSession::show(const previewprotocol::Request &request)
{
    if (!m_window) {
        m_window = std::make_unique<PreviewWindow>();
        // The seller goes on typing in the main window: the preview comes to
        // the front without taking the focus.
        m_window->setAttribute(Qt::WA_ShowWithoutActivating);
        placeBeside(m_window.get(), request);
        connect(m_window.get(), &PreviewWindow::loaded, this, [this](bool ok) {
            // The browser view's graphics may have given the window a new
            // native window since it was shown.
            if (const WId id = m_window->winId(); id != m_reportedWindow)
                say("window " + QByteArray::number(m_reportedWindow = id));
            say(ok ? "loaded" : "failed");
        });
        // Closed by the seller, the window goes, and the main program is told
        // how many listings had come by then. This program does not end on its
        // own: a listing already on its way would be lost. The main program
        // ends it when none is, and otherwise this one opens a new window.
        connect(m_window.get(), &PreviewWindow::closed, this, [this] {
            m_window->disconnect(this);  // a load it finishes now is nobody's
            m_window.release()->deleteLater();
            m_reportedWindow = 0;
            say("closed " + QByteArray::number(m_listingsRead));
        });
        m_window->show();
    }
    m_window->showListing(request.path, request.bytes);
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
}
