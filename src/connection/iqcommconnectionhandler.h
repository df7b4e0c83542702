#pragma once

#include "connectionhandler.h"
#include "master/iqcomminterface.h"
#include "master/serialportdescriptor.h"

#include <QMutex>
#include <QStringList>

#include <atomic>

// Opens and closes one USB-serial master port through the master-access binding.
class IqCommConnectionHandler : public ConnectionHandler
{
    Q_OBJECT

public:
    explicit IqCommConnectionHandler(const SerialPortDescriptor &portInfo, QObject *parent = nullptr);
    ~IqCommConnectionHandler() override;

    SerialPortDescriptor getPortInfo() const { return portInfo; }
    quint16 getPortNumber() const { return portNumber; }
    qint16 getPortHandle() const;

protected slots:
    void onStateConnectingEntered() override;
    void onStateNotConnectedEntered() override;

private:
    static constexpr int connectDelay = 10;

    void iqConnect();
    bool openPort(QStringList *alerts);
    void iqDisconnect();
    void closePort(QStringList *alerts);
    QString reportError();
    void emitAlerts(const QStringList &alerts);

    // Serialises opening and closing; the handle is read without it, so that the window never waits for a master call.
    mutable QMutex mutex;
    const SerialPortDescriptor portInfo;
    const quint16 portNumber;
    std::atomic<IqCommHandle> portHandle { -1 };
    char errorText[IqCommErrorTextSize] = {};
};
