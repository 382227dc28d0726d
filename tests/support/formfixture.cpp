#include "formfixture.h"

#include <QFile>

QStringList FormFixture::controls() const
{
    QStringList out;
    for (const ControlModel *c : form.findChildren<ControlModel *>()) {
        const auto *text = qobject_cast<const TextBoxModel *>(c);
        const auto *box = qobject_cast<const CheckBoxModel *>(c);
        const auto *list = qobject_cast<const ComboBoxModel *>(c);
        const Rgb rgb = c->background().value_or(Rgb{});
        if (text || box || list)
            out << QString("%1=%2 %3 %4 %5,%6,%7")
                       .arg(c->objectName(), text ? text->text() : QString::number(box ? box->value() : list->index()))
                       .arg(c->isEnabled())
                       .arg(c->pointSize())
                       .arg(rgb.red)
                       .arg(rgb.green)
                       .arg(rgb.blue);
    }
    return out;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QString memoData(const QString &name) { return qEnvironmentVariable("RUMITA_TEST_DATA") + "/memo/" + name; }

QString golden(const QString &name)
{
    const QString path =
        qEnvironmentVariable("RUMITA_TEST_DATA") + "/golden/listings/" + QString(name).replace(' ', '-') + ".html";
    return contents(path) == "(unreadable)" ? "(missing " + path + ")" : QString::fromUtf8(contents(path));
}
