#pragma once

#include "communicationentry.h"

#include <QObject>
#include <QTimer>
#include <QVector>

// Passes the rows of a worker thread's communication log to the window's copy in batches: a re-read with
// every process-data poll would otherwise wake the window's thread a hundred times a second.
class CommunicationLogRelay : public QObject
{
    Q_OBJECT

public:
    struct Row
    {
        int index = 0;
        int subIndex = 0;
        CommunicationEntry::Origin origin = CommunicationEntry::Local;
        CommunicationEntry::Command command = CommunicationEntry::Read;
        QByteArray message;
    };

    static constexpr int batchIntervalMs = 100;

    explicit CommunicationLogRelay(QObject *parent = nullptr);

signals:
    void rowsLogged(const QVector<CommunicationLogRelay::Row> &rows);

public slots:
    void relay(int index, int subIndex, CommunicationEntry::Origin origin, CommunicationEntry::Command command,
               const QByteArray &message);
    // Sends what is waiting at once.
    void flush();

private:
    QVector<Row> pending;
    QTimer batchTimer;
};

Q_DECLARE_METATYPE(CommunicationLogRelay::Row)
