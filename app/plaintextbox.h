#pragma once

#include <QPlainTextEdit>

// A multi-line input box that takes plain text only and leaves with Tab.
// Every way of pasting (keys, middle click, context menu, dropping) ends in
// insertFromMimeData; Qt 6.4's own version crashes on an empty clipboard or
// selection, so this one inserts the text/plain part, or nothing.
class PlainTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PlainTextBox(QWidget *parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};
