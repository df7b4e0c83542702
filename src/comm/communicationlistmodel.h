#pragma once

#include "communicationentry.h"
#include "communicationlogrelay.h"

#include <QAbstractListModel>
#include <deque>
#include <memory>

// The communication log of one device for the debug views; keeps the newest rows only.
class CommunicationListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles { CommandRole = 0, MessageRole, OriginRole, IoLinkIndexRole, IoLinkSubIndexRole, PayloadLengthRole };

    // Hours of polling with a chatty device must not grow memory without bound.
    static constexpr int maximumRowCount = 10000;

    explicit CommunicationListModel(QObject *parent = nullptr);
    ~CommunicationListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void clear();

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
    void dropOldestEntry();

    std::deque<std::unique_ptr<CommunicationEntry>> entries;
};
