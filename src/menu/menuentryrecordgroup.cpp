#include "menuentryrecordgroup.h"

#include "device/variablewrapper.h"

MenuEntryRecordGroup::MenuEntryRecordGroup(VariableWrapper *var, QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    setSubindex(0);
}

QString MenuEntryRecordGroup::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntryRecordGroup.qml");
}

void MenuEntryRecordGroup::addItem(MenuEntry *item)
{
    if (!item)
        return;
    item->setParent(this);
    items.append(item);
}

QList<QObject *> MenuEntryRecordGroup::getItemObjects() const
{
    QList<QObject *> objects;
    objects.reserve(items.size());
    for (MenuEntry *item : items)
        objects.append(item);
    return objects;
}

void MenuEntryRecordGroup::setExpanded(bool newExpanded)
{
    if (expanded == newExpanded)
        return;
    expanded = newExpanded;
    emit expandedChanged();
}
