#pragma once

#include <QPlainTextEdit>

// The listing's source box (Text4): read-only, and fed by edits of the part
// that changed. A keystroke changes the listing only around the edit, so the
// box replaces just that range instead of building its whole document again.
class SourceView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SourceView(QWidget *parent = nullptr);

    // Makes the box show the text; false when it already did.
    bool showText(const QString &text);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_shown;
};
