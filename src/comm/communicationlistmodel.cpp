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
    case TimeRole:
        return QDateTime::fromMSecsSinceEpoch(entry.msecsSinceEpoch).toString(QLatin1String(timeFormat));
    case NameRole:
        return entry.name;
    case RepeatedReadRole:
        return entry.repeatedRead;
    case MessageTextRole:
        return QString::fromLatin1(entry.message.toHex(' ').toUpper());
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
        { TimeRole, "time" },
        { NameRole, "name" },
        { RepeatedReadRole, "repeatedRead" },
        { MessageTextRole, "messageText" },
    };
}

void CommunicationListModel::clear()
{
    qCDebug(lcComm) << Q_FUNC_INFO;
    beginResetModel();
    entries.clear();
    readRequests.clear();
    endResetModel();
}

void CommunicationListModel::addEntry(int index, int subIndex, CommunicationEntry::Origin origin,
                                      CommunicationEntry::Command command, const QByteArray &message)
{
    if (entries.size() >= size_t(maximumRowCount))
        dropOldestEntry();

    const int row = int(entries.size());
    beginInsertRows(QModelIndex(), row, row);
    entries.push_back(makeEntry(index, subIndex, origin, command, message));
    endInsertRows();
    emit entryAdded(index, subIndex, origin, command, message);
}

std::unique_ptr<CommunicationEntry> CommunicationListModel::makeEntry(int index, int subIndex, CommunicationEntry::Origin origin,
                                                                      CommunicationEntry::Command command,
                                                                      const QByteArray &message)
{
    auto entry = std::make_unique<CommunicationEntry>(command, message, origin, uint(index), uint(subIndex));
    // Index 0 carries process data and events, which have no variable.
    if (nameLookup && index > 0)
        entry->name = nameLookup(uint(index), uint(subIndex));
    if (command == CommunicationEntry::Read && index > 0) {
        const quint64 key = readKey(uint(index), uint(subIndex));
        // A request counts the read; its answer belongs to it.
        entry->repeatedRead = readRequests.value(key) > (origin == CommunicationEntry::Local ? 0 : 1);
        if (origin == CommunicationEntry::Local)
            ++readRequests[key];
    }
    return entry;
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
        entries.push_back(makeEntry(row->index, row->subIndex, row->origin, row->command, row->message));
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
