#pragma once

#include <QComboBox>

// An editable drop-down list that acts only on a pick from its open list.
// QComboBox also reports `activated` when its text part loses focus holding
// an item's text, when a completion is accepted, when a wheel turns over it
// and when an arrow key steps through the closed list; none of those is a
// pick. Here a wheel turn does nothing, an arrow key on the closed list opens
// it, and `picked` comes from the open list alone: a click on an item, or
// Enter on the highlighted one, also for the item already shown.
class PickList : public QComboBox {
    Q_OBJECT
public:
    explicit PickList(QWidget *parent = nullptr);

signals:
    void picked(int index);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void pickFromOpenList(const QModelIndex &item);
};
