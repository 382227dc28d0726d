#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Small models of the window's controls. The handlers of the main form work on
// these; the window mirrors them. The one rule: code that gives a control a new
// value runs the control's handler at once, nested in the caller, before the
// setter returns; giving it the value it already has runs nothing. The two
// frame-style boxes rely on this to tick and untick each other without looping.

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// The system's button-face colour: the window layer paints it from the palette.
inline constexpr Rgb buttonFace{-1, -1, -1};
inline constexpr Rgb white{255, 255, 255};
// The input panel, and the frame boxes while unticked.
inline constexpr Rgb panelGrey{224, 224, 224};
// The standard frame's box and the custom frame's box while ticked.
inline constexpr Rgb lightCyan{192, 255, 255};
inline constexpr Rgb lightPink{255, 192, 192};

class ControlModel : public QObject {
    Q_OBJECT
public:
    explicit ControlModel(const QString &name, QObject *parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // No background means the window's own colour for that kind of control.
    std::optional<Rgb> background() const { return m_background; }
    void setBackground(Rgb colour);
    // Font size in points; 0 leaves the window's own font.
    int pointSize() const { return m_pointSize; }
    void setPointSize(int points);
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    // Asks the window to give this control the keyboard focus.
    void setFocus();

signals:
    void changed();
    void focusRequested();

protected:
    void runHandler();

private:
    bool m_enabled = true;
    std::optional<Rgb> m_background;
    int m_pointSize = 0;
    std::function<void()> m_handler;
};

// The last change of a text box's text: a range replaced, or the whole text.
// A keystroke in a long text changes a few characters; who follows the text
// can then redo the work for those alone.
struct TextEdit {
    bool whole = true;
    qsizetype position = 0;
    QString removed;
    qsizetype added = 0;
};

// Replaces a range of a text in place. QString::replace builds a new string
// when the text grows; remove and insert move only what follows the range.
void spliceText(QString &text, qsizetype position, qsizetype removed, QStringView added);

class TextBoxModel : public ControlModel {
    Q_OBJECT
public:
    using ControlModel::ControlModel;
    const QString &text() const { return m_text; }
    void setText(const QString &text);
    // Replaces `removed` characters at `position` with `text`, as a
    // keystroke does; like setText, it runs the handler only on a change.
    void replace(qsizetype position, qsizetype removed, const QString &text);
    // Valid in the handler and the changed() signal of a text change.
    const TextEdit &lastEdit() const { return m_edit; }
    int cursorPosition() const { return m_cursor; }
    void setCursorPosition(int position);

signals:
    // After changed(), for a change of the text only.
    void textChanged();

private:
    void changeText();
    QString m_text;
    TextEdit m_edit;
    int m_cursor = 0;
};

// A check box: 0 unticked, 1 ticked, 2 the grey third state (only from a memo
// file). Only 1 counts as ticked.
class CheckBoxModel : public ControlModel {
    Q_OBJECT
public:
    using ControlModel::ControlModel;
    qint16 value() const { return m_value; }
    void setValue(qint16 value);
    // What a user's click does: a ticked box is unticked, any other is ticked.
    void click() { setValue(m_value == 1 ? 0 : 1); }

private:
    qint16 m_value = 0;
};

// An editable drop-down list whose index is -1 until an item is picked; it
// then still shows its first item.
class ComboBoxModel : public ControlModel {
    Q_OBJECT
public:
    ComboBoxModel(const QString &name, const QStringList &items, QObject *parent = nullptr);
    const QStringList &items() const { return m_items; }
    int index() const { return m_index; }
    // A selection made by code: runs the handler only when the index changes.
    void select(int index);
    // The user's pick from the list: always runs the handler, even for the
    // item already selected.
    void pick(int index);

private:
    void assign(int index);
    QStringList m_items;
    int m_index = -1;
};

// A picture: the window loads the file and keeps the previous picture when the
// file is missing or unreadable.
class PictureModel : public ControlModel {
    Q_OBJECT
public:
    using ControlModel::ControlModel;
    const QString &file() const { return m_file; }
    void setFile(const QString &file);

private:
    QString m_file;
};
