#include "deviceparameteraccess.h"

#include "comm/communicationhandler.h"
#include "comm/communicationtask.h"
#include "connection/iolinkdevice.h"
#include "isduerror.h"

#include <QTimer>

DeviceParameterAccess::DeviceParameterAccess(IOLinkDevice *device, QObject *parent)
    : QObject(parent)
    , target(device)
{
    if (!device)
        return;
    connect(device, &IOLinkDevice::stateChanged, this, [this] {
        if (!isConnected())
            failPending(tr("The connection to the device was lost."));
    });
    connect(device, &QObject::destroyed, this, [this] { failPending(tr("The connection to the device was lost.")); });
}

void DeviceParameterAccess::failPending(const QString &reason)
{
    const QList<Callback> waiting = pending.values();
    pending.clear();
    for (const Callback &done : waiting)
        done({ false, QByteArray(), 0, reason });
}

IOLinkDevice *DeviceParameterAccess::device() const
{
    return target.data();
}

bool DeviceParameterAccess::isConnected() const
{
    return target && target->getState() == QLatin1String(IOLinkDevice::connectedName);
}

void DeviceParameterAccess::read(uint index, uint subindex, const Callback &done)
{
    request(CommunicationTask::ReadCommand, index, subindex, QByteArray(), done);
}

void DeviceParameterAccess::write(uint index, uint subindex, const QByteArray &data, const Callback &done)
{
    request(CommunicationTask::WriteCommand, index, subindex, data, done);
}

void DeviceParameterAccess::request(uint command, uint index, uint subindex, const QByteArray &data, const Callback &done)
{
    CommunicationHandler *handler = target ? target->getCommunicationHandler() : nullptr;
    if (!handler || !isConnected()) {
        // Answered later all the same, so that callers see one order of events.
        QTimer::singleShot(0, this, [done] { done({ false, QByteArray(), 0, tr("The device is not connected.") }); });
        return;
    }
    CommunicationTask *task = CommunicationTask::forIndex(index, subindex, command, data);
    const quint64 id = nextRequest++;
    pending.insert(id, done);
    connect(task, &CommunicationTask::answered, this,
            [this, id](bool ok, const QByteArray &answer, uint isduError, const QString &errorText) {
                const Callback waiting = pending.take(id);
                if (waiting)
                    waiting({ ok, answer, isduError, errorText });
            });
    QMetaObject::invokeMethod(handler, "addTask", Qt::QueuedConnection, Q_ARG(CommunicationTask *, task));
}

ParameterSet::Device DeviceParameterAccess::identityOf(const IOLinkDevice &device)
{
    ParameterSet::Device identity;
    identity.vendorId = device.getVendorId();
    identity.deviceId = device.getDeviceId();
    identity.productId = device.getProductId();
    identity.productName = device.getProductName();
    identity.serialNumber = device.getSerialNumber();
    identity.hardwareRevision = device.getHardwareRevision();
    identity.firmwareRevision = device.getFirmwareRevision();
    return identity;
}

QString DeviceParameterAccess::failureText(const Answer &answer)
{
    if (answer.isduError != 0)
        return IsduError::describe(answer.isduError);
    return answer.errorText.simplified();
}
