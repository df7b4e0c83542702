#include "devicesfiltermodel.h"

#include "core/logcategories.h"

#include <QDebug>

DevicesFilterModel::DevicesFilterModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void DevicesFilterModel::setFilterActive(bool active)
{
    if (active == filterActive)
        return;
    beginResetModel();
    filterActive = active;
    qInfo() << "Changed IO-Link filter to" << filterActive;
    endResetModel();
}

QVariant DevicesFilterModel::roleValue(const QModelIndex &index, const char *roleName) const
{
    const QAbstractItemModel *model = index.model();
    if (!model)
        return QVariant();
    const int role = model->roleNames().key(roleName, -1);
    return role < 0 ? QVariant() : model->data(index, role);
}

bool DevicesFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO << sourceRow << sourceParent;
    if (!filterActive)
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    const bool accepted = roleValue(index, "isIOLinkDevice").toBool();
    qCDebug(lcDiscovery) << sourceRow << roleValue(index, "name") << "is IOLink" << accepted;
    return accepted;
}

// Saved sensors first, then connected, then reachable devices; within each group by name, then by id.
bool DevicesFilterModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    for (const char *flag : { "previouslyConnected", "connected", "accessible" }) {
        const bool leftFlag = roleValue(left, flag).toBool();
        const bool rightFlag = roleValue(right, flag).toBool();
        if (leftFlag != rightFlag)
            return leftFlag;
    }
    const QString leftName = roleValue(left, "name").toString();
    const QString rightName = roleValue(right, "name").toString();
    if (leftName != rightName)
        return leftName < rightName;
    return roleValue(left, "id").toString() < roleValue(right, "id").toString();
}

int DevicesFilterModel::getSourceRow(int row) const
{
    const int sourceRow = mapToSource(index(row, 0)).row();
    qCDebug(lcDiscovery) << Q_FUNC_INFO << "row, source row" << row << sourceRow;
    return sourceRow;
}

int DevicesFilterModel::getFilteredRow(int row) const
{
    const int filteredRow = sourceModel() ? mapFromSource(sourceModel()->index(row, 0)).row() : -1;
    qCDebug(lcDiscovery) << Q_FUNC_INFO << "row, filtered row" << row << filteredRow;
    return filteredRow;
}

void DevicesFilterModel::sortListView()
{
    sort(0, Qt::AscendingOrder);
}
