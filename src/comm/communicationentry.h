#pragma once

#include <QByteArray>
#include <QObject>

// One row of a device's communication log: a request sent by this program or an answer of the device.
class CommunicationEntry
{
    Q_GADGET

public:
    enum Command { Read = 0, Write = 1 };
    Q_ENUM(Command)

    enum Origin { Local = 0, Remote = 1 };
    Q_ENUM(Origin)

    CommunicationEntry(Command command, const QByteArray &message, Origin origin, uint index, uint subIndex);

    Command command;
    QByteArray message;
    Origin origin;
    uint index;
    uint subIndex;
    uint payloadLength;
};

Q_DECLARE_METATYPE(CommunicationEntry::Command)
Q_DECLARE_METATYPE(CommunicationEntry::Origin)
