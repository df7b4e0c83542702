#include "menuentrylistmodel.h"

#include "core/logcategories.h"
#include "menuentry.h"

#include <QDebug>

MenuEntryListModel::MenuEntryListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void MenuEntryListModel::setEntries(const QList<MenuEntry *> &newEntries)
{
    qCDebug(lcMenu) << Q_FUNC_INFO << newEntries.size();
    beginResetModel();
    for (const QPointer<MenuEntry> &entry : qAsConst(entries)) {
        if (entry)
            disconnect(entry, &QObject::destroyed, this, nullptr);
    }
    entries.clear();
    for (MenuEntry *entry : newEntries) {
        if (!entry)
            continue;
        entries.append(entry);
        connect(entry, &QObject::destroyed, this, &MenuEntryListModel::onEntryDestroyed);
    }
    endResetModel();
}

QList<MenuEntry *> MenuEntryListModel::getEntries() const
{
    QList<MenuEntry *> result;
    for (const QPointer<MenuEntry> &entry : entries) {
        if (entry)
            result.append(entry);
    }
    return result;
}

void MenuEntryListModel::onEntryDestroyed()
{
    // The guards are cleared before the object announces its end, so the gone entry is the null one.
    for (int row = 0; row < entries.size(); ++row) {
        if (entries.at(row).isNull()) {
            beginRemoveRows(QModelIndex(), row, row);
            entries.removeAt(row);
            endRemoveRows();
            --row;
        }
    }
}

QHash<int, QByteArray> MenuEntryListModel::roleNames() const
{
    return { { NameRole, "name" },
             { DescriptionRole, "description" },
             { ValueRole, "value" },
             { HasButtonRole, "hasButton" },
             { EntryRole, "entry" } };
}

QVariant MenuEntryListModel::data(const QModelIndex &index, int role) const
{
    if (role != EntryRole || !index.isValid() || index.row() < 0 || index.row() >= entries.size())
        return QVariant();
    return QVariant::fromValue<QObject *>(entries.at(index.row()).data());
}

int MenuEntryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : entries.size();
}
