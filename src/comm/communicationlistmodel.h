#pragma once

#include "communicationentry.h"
#include "communicationlogrelay.h"

#include <QAbstractListModel>
#include <QHash>
#include <deque>
#include <functional>
#include <memory>

// The communication log of one device for the debug views; keeps the newest rows only.
class CommunicationListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles {
        CommandRole = 0, MessageRole, OriginRole, IoLinkIndexRole, IoLinkSubIndexRole, PayloadLengthRole,
        TimeRole = Qt::UserRole + 1, NameRole, RepeatedReadRole, MessageTextRole
    };
    using NameLookup = std::function<QString(uint index, uint subIndex)>;
    static constexpr const char *timeFormat = "hh:mm:ss.zzz";

    // Hours of polling with a chatty device must not grow memory without bound.
    static constexpr int maximumRowCount = 10000;

    explicit CommunicationListModel(QObject *parent = nullptr);
    ~CommunicationListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void clear();

    // Names the variables of new rows; set once the device description is known.
    void setNameLookup(const NameLookup &lookup) { nameLookup = lookup; }

signals:
    // Every row appended, so that a copy of the log can be kept in another thread.
    void entryAdded(int index, int subIndex, CommunicationEntry::Origin origin, CommunicationEntry::Command command,
                    const QByteArray &message);

public slots:
    void addEntry(int index, int subIndex, CommunicationEntry::Origin origin, CommunicationEntry::Command command,
                  const QByteArray &message = QByteArray());
    // Appends the rows of a relay with one insertion, as views redraw once per insertion.
    void addRows(const QVector<CommunicationLogRelay::Row> &rows);

private:
    std::unique_ptr<CommunicationEntry> makeEntry(int index, int subIndex, CommunicationEntry::Origin origin,
                                                  CommunicationEntry::Command command, const QByteArray &message);
    void dropOldestEntry();

    static quint64 readKey(uint index, uint subIndex) { return (quint64(index) << 32) | subIndex; }

    std::deque<std::unique_ptr<CommunicationEntry>> entries;
    NameLookup nameLookup;
    // How often each variable has been asked for since the log was cleared.
    QHash<quint64, int> readRequests;
};
