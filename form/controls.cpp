#include "controls.h"

#include <algorithm>

Control::Control(const QString &name, QObject *parent) : QObject(parent) { setObjectName(name); }

void Control::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit changed();
}

void Control::setBackground(Rgb colour)
{
    if (m_background == colour)
        return;
    m_background = colour;
    emit changed();
}

void Control::setPointSize(int points)
{
    if (m_pointSize == points)
        return;
    m_pointSize = points;
    emit changed();
}

void Control::setFocus() { emit focusRequested(); }

void Control::runHandler()
{
    if (m_handler)
        m_handler();
}

void TextBox::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    m_edit = {};
    changeText();
}

void TextBox::replace(qsizetype position, qsizetype removed, const QString &text)
{
    if (QStringView(m_text).sliced(position, removed) == text)
        return;
    m_edit = {false, position, m_text.sliced(position, removed), text.size()};
    spliceText(m_text, position, removed, text);
    changeText();
}

void TextBox::changeText()
{
    emit changed();
    emit textChanged();
    runHandler();
}

void TextBox::setCursorPosition(int position)
{
    if (m_cursor == position)
        return;
    m_cursor = position;
    emit changed();
}

void CheckBox::setValue(qint16 value)
{
    if (m_value == value)
        return;
    m_value = value;
    emit changed();
    runHandler();
}

ComboBox::ComboBox(const QString &name, const QStringList &items, QObject *parent)
    : Control(name, parent), m_items(items)
{
}

void ComboBox::select(int index)
{
    if (m_index == index)
        return;
    assign(index);
    runHandler();
}

void ComboBox::pick(int index)
{
    assign(index);
    runHandler();
}

void ComboBox::assign(int index)
{
    if (m_index == index)
        return;
    m_index = index;
    emit changed();
}

void Picture::load(const QString &path)
{
    m_path = path;
    emit changed();
}

void spliceText(QString &text, qsizetype position, qsizetype removed, QStringView added)
{
    if (removed == added.size()) {
        std::copy(added.begin(), added.end(), text.begin() + position);
        return;
    }
    text.remove(position, removed);
    text.insert(position, added);
}
