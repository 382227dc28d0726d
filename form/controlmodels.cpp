#include "controlmodels.h"

#include <algorithm>

ControlModel::ControlModel(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

void ControlModel::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit changed();
}

void ControlModel::setBackground(Rgb colour)
{
    if (m_background == colour)
        return;
    m_background = colour;
    emit changed();
}

void ControlModel::setPointSize(int points)
{
    if (m_pointSize == points)
        return;
    m_pointSize = points;
    emit changed();
}

void ControlModel::setFocus() { emit focusRequested(); }

void ControlModel::runHandler()
{
    if (m_handler)
        m_handler();
}

void TextBoxModel::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    m_edit = {};
    changeText();
}

void TextBoxModel::replace(qsizetype position, qsizetype removed, const QString &text)
{
    if (QStringView(m_text).sliced(position, removed) == text)
        return;
    m_edit = {false, position, m_text.sliced(position, removed), text.size()};
    spliceText(m_text, position, removed, text);
    changeText();
}

void TextBoxModel::changeText()
{
    emit changed();
    emit textChanged();
    runHandler();
}

void TextBoxModel::setCursorPosition(int position)
{
    if (m_cursor == position)
        return;
    m_cursor = position;
    emit changed();
}

void CheckBoxModel::setValue(qint16 value)
{
    if (m_value == value)
        return;
    m_value = value;
    emit changed();
    runHandler();
}

ComboBoxModel::ComboBoxModel(const QString &name, const QStringList &items, QObject *parent)
    : ControlModel(name, parent),
      m_items(items)
{
}

void ComboBoxModel::select(int index)
{
    if (m_index == index)
        return;
    assign(index);
    runHandler();
}

void ComboBoxModel::pick(int index)
{
    assign(index);
    runHandler();
}

void ComboBoxModel::assign(int index)
{
    if (m_index == index)
        return;
    m_index = index;
    emit changed();
}

void PictureModel::setFile(const QString &file)
{
    m_file = file;
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
