#pragma once

#include "connection/iolinkdevice.h"
#include "connection/iqcommcommunicationhandler.h"
#include "connection/iqcommconnectionhandler.h"

// A device on a master port, wired as the serial device does it but without probing the port:
// the identity the probe would read is given.
class PortDevice : public IOLinkDevice
{
    Q_OBJECT

public:
    PortDevice(const SerialPortDescriptor &port, const QString &iodd, const QString &discoveredProductId)
    {
        address = port.portName();
        productId = discoveredProductId;
        setIoddFile(iodd);
        communication = new IqCommCommunicationHandler(port);
        connection = new IqCommConnectionHandler(port);
        communicationHandler = communication;
        connectionHandler = connection;
        connectConnectionHandler();
        connect(this, &IOLinkDevice::connectionLost, this, &PortDevice::onDisconnected);
        init();
    }

    QString getAddress() const override { return address; }
    bool hasIOLinkDevice() const override { return true; }
    IqCommCommunicationHandler *backEnd() const { return communication; }

public slots:
    void onConnected() override { communication->setPortHandle(connection->getPortHandle()); }

private slots:
    void onDisconnected() { communication->setPortHandle(-1); }

private:
    IqCommCommunicationHandler *communication = nullptr;
    IqCommConnectionHandler *connection = nullptr;
};
