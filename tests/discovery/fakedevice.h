#pragma once

#include "connection/iolinkdevice.h"
#include "connection/iqcommcommunicationhandler.h"
#include "connection/iqcommconnectionhandler.h"

// A device with the identity a probe would have read, given directly; its handlers serve a port no master has.
class FakeDevice : public IOLinkDevice
{
public:
    FakeDevice(const QString &portName, const QString &vendor, const QString &id, const QString &name,
               const QString &serial)
    {
        SerialPortDescriptor port;
        port.setPortName(portName);
        port.setSystemLocation(QStringLiteral("FAKE250"));
        address = portName;
        vendorName = vendor;
        productId = id;
        productName = name;
        serialNumber = serial;
        communicationHandler = new IqCommCommunicationHandler(port);
        connectionHandler = new IqCommConnectionHandler(port);
        connectConnectionHandler();
        init();
    }

    QString getAddress() const override { return address; }
    bool hasIOLinkDevice() const override { return true; }
    void setProductName(const QString &name) { productName = name; }

    void onConnected() override { }
};
