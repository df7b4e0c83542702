#pragma once

#include "iolinkdevice.h"
#include "master/iqcomminterface.h"
#include "master/serialportdescriptor.h"

#include <QHash>
#include <QString>

class IqCommCommunicationHandler;
class IqCommConnectionHandler;

// The IO-Link device behind a USB-serial master port. Constructing it probes the port once (blocking the
// constructing thread) to learn whether a device answers in operating mode and to read its identity strings.
class IOLinkSerialDevice : public IOLinkDevice
{
    Q_OBJECT

public:
    explicit IOLinkSerialDevice(const SerialPortDescriptor &portInfo, QObject *parent = nullptr);
    ~IOLinkSerialDevice() override;

    QString getAddress() const override { return address; }
    bool hasIOLinkDevice() const override { return hasIOLinkDeviceFlag; }
    SerialPortDescriptor getPortInfo() const { return portInfo; }

    // The user-readable texts of the standard events and event modes, in the current language.
    static QString eventText(uint eventCode);
    static QString modeText(ushort eventMode);
    // The alert shown for one event: the IODD's text when given, else the standard text.
    static QString eventAlert(uint eventCode, ushort eventMode, const QString &ioddText);

    static constexpr int identityReadAttempts = 4;

public slots:
    void onConnected() override;

private slots:
    void onDisconnected();
    void onEventReceived(uint eventCode, ushort eventMode);
    void onEventQualifierReceived(uint eventCode, uint qualifier);

private:
    void probeDevice();
    bool probeOperatingMode(IqCommHandle handle, char *errorText);
    void readIdentity(IqCommHandle handle, char *errorText);
    QString readIdentityString(IqCommHandle handle, int index, int subindex, char *errorText);
    static const QHash<uint, const char *> &eventTexts();

    SerialPortDescriptor portInfo;
    IqCommCommunicationHandler *iqCommunication = nullptr;
    IqCommConnectionHandler *iqConnection = nullptr;
    bool hasIOLinkDeviceFlag = false;
    // The qualifier announced for the next event; -1 when none was.
    uint pendingQualifierCode = 0;
    int pendingQualifier = -1;
};
