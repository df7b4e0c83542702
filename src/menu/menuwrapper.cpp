#include "menuwrapper.h"

#include "core/logcategories.h"
#include "iodd/model/userinterfaceelements.h"
#include "menuentry.h"
#include "menuentryfactory.h"
#include "menuentrylistmodel.h"
#include "menuentrysubmenu.h"

#include <QDebug>

#include <algorithm>

MenuWrapper::MenuWrapper(const MenuT *menu, const QList<VariableWrapper *> &variables, const QList<MenuT *> &menus,
                         const QList<UnitT *> &units, QObject *parent)
    : QObject(parent)
    , menu(menu)
{
    if (!menu) {
        qCritical() << Q_FUNC_INFO << "menu is null";
        building = false;
        return;
    }
    addMenuReferences(variables, menus);
    for (const UIVariableRefT *reference : menu->VariableRef) {
        if (MenuEntry *entry = MenuEntryFactory::makeMenuEntry(reference, variables, units, this))
            addEntry(entry, reference->position);
    }
    for (const UIRecordItemRefT *reference : menu->RecordItemRef) {
        if (MenuEntry *entry = MenuEntryFactory::makeMenuEntry(reference, variables, units, this))
            addEntry(entry, reference->position);
    }
    building = false;
    updateEntries();
}

void MenuWrapper::addMenuReferences(const QList<VariableWrapper *> &variables, const QList<MenuT *> &menus)
{
    for (const UIMenuRefT *reference : menu->MenuRef) {
        auto *entry = new MenuEntrySubMenu(reference, variables, this);
        const QString menuId = reference->menuId.value;
        const auto target = std::find_if(menus.cbegin(), menus.cend(), [&menuId](const MenuT *candidate) {
            return candidate && !menuId.isEmpty() && candidate->id.value == menuId;
        });
        if (target != menus.cend() && !(*target)->Name.isEmpty())
            entry->setTextId((*target)->Name.last()->textId.value);
        addEntry(entry, reference->position);
    }
}

void MenuWrapper::addEntry(MenuEntry *entry, int position)
{
    qCDebug(lcMenu) << Q_FUNC_INFO << entry;
    if (!entry)
        return;
    if (entry->getId().isEmpty()) {
        qCDebug(lcMenu) << "Ignoring MenuEntry with empty id";
        delete entry;
        return;
    }
    entry->setParent(this);
    MenuEntry *replaced = positions.value(position);
    positions.insert(position, entry);
    connect(entry, &QObject::destroyed, this, &MenuWrapper::onEntryDestroyed);
    if (replaced && replaced != entry) {
        disconnect(replaced, &QObject::destroyed, this, nullptr);
        delete replaced;
    }
    if (!building)
        updateEntries();
}

void MenuWrapper::updateEntries()
{
    entries = positions.values();
    if (entryModel)
        entryModel->setEntries(entries);
    else if (!entries.isEmpty()) {
        entryModel = new MenuEntryListModel(this);
        entryModel->setEntries(entries);
    }
    if (reversedEntryModel) {
        QList<MenuEntry *> reversed = entries;
        std::reverse(reversed.begin(), reversed.end());
        reversedEntryModel->setEntries(reversed);
    }
}

void MenuWrapper::onEntryDestroyed(QObject *entry)
{
    for (auto it = positions.begin(); it != positions.end();) {
        if (static_cast<QObject *>(it.value()) == entry)
            it = positions.erase(it);
        else
            ++it;
    }
    entries = positions.values();
}

QObject *MenuWrapper::getEntryModel() const
{
    return entryModel;
}

QObject *MenuWrapper::getReversedEntryModel()
{
    if (entries.isEmpty())
        return nullptr;
    if (!reversedEntryModel) {
        QList<MenuEntry *> reversed = entries;
        std::reverse(reversed.begin(), reversed.end());
        reversedEntryModel = new MenuEntryListModel(this);
        reversedEntryModel->setEntries(reversed);
    }
    return reversedEntryModel;
}

QString MenuWrapper::getId() const
{
    return menu ? menu->id.value : QString();
}

QString MenuWrapper::getTextId() const
{
    return menu && !menu->Name.isEmpty() ? menu->Name.last()->textId.value : QString();
}

QObject *MenuWrapper::getEntry(const QString &textId) const
{
    for (MenuEntry *entry : entries) {
        if (entry->getTextId() == textId)
            return entry;
    }
    return nullptr;
}
