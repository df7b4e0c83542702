#include "communicationlogrelay.h"

CommunicationLogRelay::CommunicationLogRelay(QObject *parent)
    : QObject(parent)
    , batchTimer(this)
{
    qRegisterMetaType<QVector<CommunicationLogRelay::Row>>();
    batchTimer.setSingleShot(true);
    batchTimer.setInterval(batchIntervalMs);
    connect(&batchTimer, &QTimer::timeout, this, &CommunicationLogRelay::flush);
}

void CommunicationLogRelay::relay(int index, int subIndex, CommunicationEntry::Origin origin,
                                  CommunicationEntry::Command command, const QByteArray &message)
{
    pending.append({ index, subIndex, origin, command, message });
    if (!batchTimer.isActive())
        batchTimer.start();
}

void CommunicationLogRelay::flush()
{
    batchTimer.stop();
    if (pending.isEmpty())
        return;
    QVector<Row> rows;
    rows.swap(pending);
    emit rowsLogged(rows);
}
