#include "unsavedinput.h"

#include "desktopinterface.h"
#include "mainwindow.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

// The handler only passes the signal's number on through a socket; the
// event loop reads it and does the work, where Qt may be called.
static int signalSocket[2] = {-1, -1};

static void passOn(int number)
{
    const int savedErrno = errno;
    const char byte = char(number);
    if (::write(signalSocket[1], &byte, 1) != 1) {
        // Nothing to do: a full socket already holds a signal to act on.
    }
    errno = savedErrno;
}

static void endOnSignals(MainWindow &window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalSocket[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char number = 0;
        if (::read(signalSocket[0], &number, 1) != 1)
            return;
        window.form().keepUnsavedInput();
        window.desktop().quit();
        QCoreApplication::exit(128 + number);  // as a shell reports an end by this signal
    });
    struct sigaction action {};
    action.sa_handler = passOn;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGHUP, SIGINT})
        sigaction(number, &action, nullptr);
}

static void askAtSessionEnd(MainWindow &window)
{
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &session) {
                         bool ends = true;
                         if (window.form().hasUnsavedInput()) {
                             if (session.allowsInteraction()) {
                                 ends = window.form().confirmClose();
                                 session.release();
                             } else {  // no question may be asked: the input is kept as at a signal
                                 window.form().keepUnsavedInput();
                             }
                         }
                         if (ends)
                             window.desktop().agreeToEnd();
                         else
                             session.cancel();
                     });
}

void guardUnsavedInput(MainWindow &window)
{
    endOnSignals(window);
    askAtSessionEnd(window);
    QTimer::singleShot(0, &window, [&window] { window.form().offerKeptInput(); });
}
