#include "diskfile.h"

#include <QFile>
#include <QSaveFile>

namespace diskfile {

std::variant<QByteArray, QString> load(const QString &path, qint64 maxSize)
{
    const QString tooLarge = QStringLiteral("ファイルが大きすぎます。");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("ファイルを開けませんでした。");
    if (file.size() > maxSize)
        return tooLarge;
    // Read in chunks: a device or pipe reports no size and may never end.
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = file.read(1 << 20);
        if (file.error() != QFileDevice::NoError)
            return QStringLiteral("ファイルを読み取れませんでした。");
        if (chunk.isEmpty())
            return bytes;
        bytes += chunk;
        if (bytes.size() > maxSize)
            return tooLarge;
    }
}

QString save(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("ファイルを作れませんでした。保存先のフォルダーに書き込めるか、"
                              "同じ名前のフォルダーがないか確かめてください。");
    // Qt 6.4's commit() reports success after a short write or a failed
    // flush and would put the truncated file in place, so both are checked
    // first and the temporary file dropped instead.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return QStringLiteral("書き込みが途中で失敗しました。"
                              "ディスクの空き容量を確かめてください。");
    }
    if (!file.commit())
        return QStringLiteral("書き込んだ内容でファイルを置き換えられませんでした。");
    return {};
}

}  // namespace diskfile
