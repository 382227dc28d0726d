#pragma once

#include "protocol.h"

#include <QObject>
#include <QSocketNotifier>
#include <qwindowdefs.h>

#include <memory>

class PreviewWindow;

// The preview program's side of the protocol: takes requests from standard
// input, shows them in the one window, and reports on standard output what
// became of them.
class PreviewSession : public QObject {
    Q_OBJECT
public:
    PreviewSession();
    ~PreviewSession() override;

private:
    void readInput();
    void show(const previewprotocol::Request &request);

    QSocketNotifier m_input;
    previewprotocol::RequestReader m_reader;
    std::unique_ptr<PreviewWindow> m_window;
    WId m_reportedWindow = 0;
    qint64 m_listingsRead = 0;
};
