#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

// One row of a device's communication log: a request sent by this program or an answer of the device.
class CommunicationEntry
{
    Q_GADGET

public:
    // Fixed underlying types: rows may carry values outside the named ones and show them as "undefined".
    enum Command : int { Read = 0, Write = 1 };
    Q_ENUM(Command)

    enum Origin : int { Local = 0, Remote = 1 };
    Q_ENUM(Origin)

    CommunicationEntry(Command command, const QByteArray &message, Origin origin, uint index, uint subIndex);

    Command command;
    QByteArray message;
    Origin origin;
    uint index;
    uint subIndex;
    uint payloadLength;
    // Local time is worked out only when a row is shown: the conversion costs more than the rest of a row.
    qint64 msecsSinceEpoch = QDateTime::currentMSecsSinceEpoch();
    // The variable's name in the interface language, where the device description knows it.
    QString name;
    // A read of a variable that the log has read before: the cyclic refresh of shown values.
    bool repeatedRead = false;
};

Q_DECLARE_METATYPE(CommunicationEntry::Command)
Q_DECLARE_METATYPE(CommunicationEntry::Origin)
