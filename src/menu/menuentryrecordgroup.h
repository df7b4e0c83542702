#pragma once

#include "menuentry.h"

#include <QList>

// A whole record or array referenced as one: an expandable group titled with the variable's name, holding
// one entry per item in the item's own view. The items are read with the variable at subindex 0.
class MenuEntryRecordGroup : public MenuEntry
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> items READ getItemObjects CONSTANT)
    Q_PROPERTY(bool expanded READ isExpanded WRITE setExpanded NOTIFY expandedChanged)

public:
    explicit MenuEntryRecordGroup(VariableWrapper *var, QObject *parent = nullptr);

    QString getQmlFileName() const override;

    // Takes the item over; null items are ignored.
    void addItem(MenuEntry *item);
    const QList<MenuEntry *> &getItems() const { return items; }
    QList<QObject *> getItemObjects() const;

    bool isExpanded() const { return expanded; }
    void setExpanded(bool newExpanded);

signals:
    void expandedChanged();

private:
    QList<MenuEntry *> items;
    bool expanded = false;
};
