#include "protocol.h"

#include <QList>
#include <QUrl>

namespace previewprotocol {

QByteArray encode(const Request &request)
{
    const QRect &f = request.mainFrame;
    return QByteArray("show ") + QByteArray::number(f.x()) + ' ' + QByteArray::number(f.y()) + ' ' +
           QByteArray::number(f.width()) + ' ' + QByteArray::number(f.height()) + ' ' +
           QByteArray::number(request.mainClient.width()) + ' ' +
           QByteArray::number(request.mainClient.height()) + ' ' +
           QByteArray::number(request.bytes.size()) + ' ' + QUrl::toPercentEncoding(request.path) +
           '\n' + request.bytes;
}

std::optional<Request> RequestReader::next()
{
    for (;;) {
        const qsizetype end = m_input.indexOf('\n');
        if (end < 0)
            return std::nullopt;
        const QList<QByteArray> fields = m_input.left(end).split(' ');
        if (fields == QList<QByteArray>{"text"}) {
            m_input.remove(0, end + 1);
            return Request{true, {}, {}, {}, {}};
        }
        std::optional<Request> request;
        qint64 size = -1;
        if (fields.size() == 9 && fields[0] == "show") {
            bool ok = true;
            int n[6];
            for (int i = 0; i < 6 && ok; ++i)
                n[i] = fields[i + 1].toInt(&ok);
            size = ok ? fields[7].toLongLong(&ok) : -1;
            if (ok && size >= 0)
                request = Request{false,
                                  QRect(n[0], n[1], n[2], n[3]),
                                  QSize(n[4], n[5]),
                                  QUrl::fromPercentEncoding(fields[8]),
                                  {}};
        }
        if (!request) {
            m_input.remove(0, end + 1);
            continue;
        }
        if (m_input.size() - (end + 1) < size)
            return std::nullopt;
        request->bytes = m_input.mid(end + 1, size);
        m_input.remove(0, end + 1 + size);
        return request;
    }
}

}  // namespace previewprotocol
