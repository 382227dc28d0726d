#pragma once

#include <QWidget>

class QLabel;

// form3: the usage notes under a title strip. Deleted when closed.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void setText(const QString &text);

private:
    QLabel *m_text;
};
