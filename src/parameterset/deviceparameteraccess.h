#pragma once

#include "parameterset.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class IOLinkDevice;

// Raw reads and writes of a connected device's indexes, queued with everything else the device is asked,
// each answered once with the octets or the device's refusal. Answers arrive in this object's thread.
class DeviceParameterAccess : public QObject
{
    Q_OBJECT

public:
    struct Answer
    {
        bool ok = false;
        QByteArray data;
        // 0 when the request failed without a refusal of the device (lost connection, master error).
        uint isduError = 0;
        QString errorText;
    };
    using Callback = std::function<void(const Answer &)>;

    explicit DeviceParameterAccess(IOLinkDevice *device, QObject *parent = nullptr);

    void read(uint index, uint subindex, const Callback &done);
    void write(uint index, uint subindex, const QByteArray &data, const Callback &done);
    bool isConnected() const;
    IOLinkDevice *device() const;

    // The identity the device reported when it was found, as a parameter set records it.
    static ParameterSet::Device identityOf(const IOLinkDevice &device);
    // The reason an answer failed, for people.
    static QString failureText(const Answer &answer);

private:
    void failPending(const QString &reason);
    void request(uint command, uint index, uint subindex, const QByteArray &data, const Callback &done);

    QPointer<IOLinkDevice> target;
    // Requests not yet answered; a device that goes away answers them all at once, so no caller waits for good.
    QHash<quint64, Callback> pending;
    quint64 nextRequest = 0;
};
