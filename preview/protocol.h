#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

#include <optional>

// What the main program and the preview program say to each other, a line
// at a time over the preview program's standard input and output.
//
// To the preview program:
//   show X Y W H CW CH SIZE PATH   then SIZE bytes: show the listing held in
//       those bytes, read from PATH (percent-encoded), beside the main window
//       whose frame is X Y W H around a client area of CW CH.
//   text   report the text the page shows
//   End of input ends the program and its window.
// From it:
//   window ID        the window's native id, before the first "loaded" and
//                    whenever it changed
//   loaded / failed  the listing has loaded, or could not be
//   text TEXT        the text the page shows (percent-encoded)
//   closed N         the user closed the window after N listings had come;
//                    the program stays, for a listing that may be on its way
//   refused root     the browser engine cannot run as the administrator
//                    without its sandbox switch; the program ends
namespace previewprotocol {

// The preview program's file name, beside the main program.
inline constexpr char programName[] = "rumita-preview";

struct Request {
    bool textWanted = false;  // a "text" request, which has no more to it
    QRect mainFrame;
    QSize mainClient;
    QString path;
    QByteArray bytes;
};

QByteArray encode(const Request &request);
inline constexpr char textRequest[] = "text\n";

// Collects input as it arrives and hands out each whole request.
class RequestReader {
public:
    void append(const QByteArray &input) { m_input += input; }
    // The next request once all of it has arrived; a malformed line is
    // dropped.
    std::optional<Request> next();

private:
    QByteArray m_input;
};

}  // namespace previewprotocol
