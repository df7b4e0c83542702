#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

class IoddCheck;
class IODDListModel;

// Checks every online device of an Ethernet IO-Link master end to end, each with the IODD the catalogue of
// the given folder matches to it, the way the window would connect it.
class MasterCheck
{
public:
    MasterCheck(IoddCheck &check, IODDListModel &catalogue);

    // One result per online device; a master that cannot be reached gives one result carrying the error.
    QList<QJsonObject> run(const QString &address);

private:
    QJsonObject checkPort(const QString &baseUrl, const class SerialPortDescriptor &port);

    IoddCheck &check;
    IODDListModel &catalogue;
};
