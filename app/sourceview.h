#pragma once

#include <QPlainTextEdit>

// The listing's source box (Text4): read-only, and fed by edits of the part
// that changed. A keystroke changes the listing only around the edit, so the
// box replaces just that range instead of building its whole document again.
// The text is given as the model keeps it: a CR LF, a lone CR or a lone LF
// is one line break.
class SourceView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SourceView(QWidget *parent = nullptr);

    // Makes the box show the text. Returns the length of the line the change
    // ended in, -1 when the box already showed the text.
    qsizetype showText(const QString &text);
    // The same, when at most the characters between the first keptAtStart
    // and the last keptAtEnd differ from what the box shows.
    qsizetype showText(const QString &text, qsizetype keptAtStart, qsizetype keptAtEnd);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_shown;
    qsizetype m_pairs = 0;  // the CR LF pairs in m_shown
};
