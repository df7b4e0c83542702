#include "communicationlistmodel.h"
#include "core/logcategories.h"

#include <QDebug>
#include <algorithm>

CommunicationListModel::CommunicationListModel(QObject *parent)
    : QAbstractListModel(parent)
{
    qRegisterMetaType<CommunicationEntry::Origin>();
    qRegisterMetaType<CommunicationEntry::Command>();
}

CommunicationListModel::~CommunicationListModel() = default;

int CommunicationListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(entries.size());
}

QVariant CommunicationListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || size_t(index.row()) >= entries.size())
        return QVariant();

    const CommunicationEntry &entry = *entries[size_t(index.row())];
    switch (role) {
    case CommandRole:
        switch (entry.command) {
        case CommunicationEntry::Read: return QStringLiteral("read");
        case CommunicationEntry::Write: return QStringLiteral("write");
        }
        return QStringLiteral("undefined");
    case MessageRole:
        return entry.message;
    case OriginRole:
        switch (entry.origin) {
        case CommunicationEntry::Local: return QStringLiteral("local");
        case CommunicationEntry::Remote: return QStringLiteral("remote");
        }
        return QStringLiteral("undefined");
    case IoLinkIndexRole:
        return entry.index;
    case IoLinkSubIndexRole:
        return entry.subIndex;
    case PayloadLengthRole:
        return entry.payloadLength;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> CommunicationListModel::roleNames() const
{
    return {
        { CommandRole, "command" },
        { MessageRole, "message" },
        { OriginRole, "origin" },
        { IoLinkIndexRole, "ioLinkIndex" },
        { IoLinkSubIndexRole, "ioLinkSubIndex" },
        { PayloadLengthRole, "payloadLength" },
    };
}

void CommunicationListModel::clear()
{
    qCDebug(lcComm) << Q_FUNC_INFO;
    beginResetModel();
    entries.clear();
    endResetModel();
}

void CommunicationListModel::addEntry(int index, int subIndex, CommunicationEntry::Origin origin,
                                      CommunicationEntry::Command command, const QByteArray &message)
{
    if (entries.size() >= size_t(maximumRowCount))
        dropOldestEntry();

    const int row = int(entries.size());
    beginInsertRows(QModelIndex(), row, row);
    entries.push_back(std::make_unique<CommunicationEntry>(command, message, origin, uint(index), uint(subIndex)));
    endInsertRows();
    emit entryAdded(index, subIndex, origin, command, message);
}

void CommunicationListModel::addRows(const QVector<CommunicationLogRelay::Row> &rows)
{
    if (rows.isEmpty())
        return;
    const int added = std::min(rows.size(), maximumRowCount);
    const int overflow = int(entries.size()) + added - maximumRowCount;
    if (overflow > 0) {
        beginRemoveRows(QModelIndex(), 0, overflow - 1);
        entries.erase(entries.begin(), entries.begin() + overflow);
        endRemoveRows();
    }
    const int first = int(entries.size());
    beginInsertRows(QModelIndex(), first, first + added - 1);
    for (auto row = rows.cend() - added; row != rows.cend(); ++row)
        entries.push_back(std::make_unique<CommunicationEntry>(row->command, row->message, row->origin, uint(row->index),
                                                               uint(row->subIndex)));
    endInsertRows();
    for (auto row = rows.cend() - added; row != rows.cend(); ++row)
        emit entryAdded(row->index, row->subIndex, row->origin, row->command, row->message);
}

void CommunicationListModel::dropOldestEntry()
{
    beginRemoveRows(QModelIndex(), 0, 0);
    entries.pop_front();
    endRemoveRows();
}
