#pragma once

#include <QObject>

class QLineEdit;

// Holds a line edit to a typing limit that follows its text: after each edit
// the limit is the larger of the box's own limit and the text's length, so a
// longer text set by code (a title from a memo file) is kept whole and may be
// shortened, but never lengthened by typing. A keystroke or a conversion cut by
// the limit rings the desktop's bell. No cut splits a UTF-16 pair: a pair the
// limit would halve is let in whole.
class TypingLimit : public QObject {
    Q_OBJECT
public:
    // Takes the box's maximum length as the least limit.
    static void attach(QLineEdit *box);

signals:
    void cut();  // something typed did not fit

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TypingLimit(QLineEdit *box);
    // The part of the inserted text that fits in place of the selection.
    QString fitting(const QString &inserted) const;
    void followText();

    QLineEdit *m_box;
    int m_least;
};
