#include "picklist.h"

#include "look/appearance.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QWheelEvent>

PickList::PickList(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Every list is too narrow for its longest item at the full size.
    setFont(compactFont());
    // The open list lives in a frame that reports the item chosen in it as
    // itemSelected(QModelIndex); no public signal tells that apart from the
    // other sources of `activated`. Should a later Qt drop it, `activated`
    // serves, faults and all, rather than no pick at all.
    if (!connect(view()->parentWidget(), SIGNAL(itemSelected(QModelIndex)), this,
                 SLOT(pickFromOpenList(QModelIndex))))
        connect(this, &QComboBox::activated, this, &PickList::picked);
}

void PickList::pickFromOpenList(const QModelIndex &item) { emit picked(item.row()); }

void PickList::wheelEvent(QWheelEvent *event) { event->ignore(); }

void PickList::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        showPopup();
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}
