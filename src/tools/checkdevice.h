#pragma once

#include "connection/iolinkdevice.h"
#include "master/serialportdescriptor.h"

class IqCommCommunicationHandler;
class IqCommConnectionHandler;

// A device on a master port for ovinex-check: wired as the serial device is, with the identity read
// once from the port before connecting.
class CheckDevice : public IOLinkDevice
{
    Q_OBJECT

public:
    CheckDevice(const SerialPortDescriptor &port, const QString &ioddPath, QObject *parent = nullptr);

    QString getAddress() const override { return address; }
    bool hasIOLinkDevice() const override { return probed; }

public slots:
    void onConnected() override;

private slots:
    void onDisconnected();

private:
    void probe(quint16 portNumber);

    IqCommCommunicationHandler *communication = nullptr;
    IqCommConnectionHandler *connection = nullptr;
    bool probed = false;
};
