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
        const QString value = text ? text->text() : QString::number(box ? box->value() : list ? list->index() : 0);
        if (text || box || list)
            out << c->objectName() + "=" + value +
                       QString::asprintf(" %d %d %d,%d,%d", c->isEnabled(), c->pointSize(), rgb.red, rgb.green, rgb.blue);
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
