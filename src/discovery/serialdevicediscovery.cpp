#include "serialdevicediscovery.h"

#include "connection/iolinkserialdevice.h"
#include "core/logcategories.h"
#include "master/masterlibrary.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaType>
#include <QMutexLocker>
#include <QThread>

SerialDeviceDiscovery::SerialDeviceDiscovery(QObject *parent)
    : QObject(parent)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO;
    qRegisterMetaType<IOLinkDevice *>("IOLinkDevice*");
    qRegisterMetaType<SerialPortDescriptor>();
    connect(this, &SerialDeviceDiscovery::scanningRequested, this, &SerialDeviceDiscovery::runSerialScan,
            Qt::QueuedConnection);
}

SerialDeviceDiscovery::~SerialDeviceDiscovery() = default;

void SerialDeviceDiscovery::startScan(IOLinkDevice *currentDevice)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO;
    {
        QMutexLocker locker(&requestMutex);
        pendingSkips.append({ currentDevice, currentDevice ? currentDevice->getAddress() : QString() });
        requestedChoice = latestChoice;
    }
    emit scanningRequested(currentDevice);
}

void SerialDeviceDiscovery::setMasterChoice(const MasterChoice &choice)
{
    QMutexLocker locker(&requestMutex);
    latestChoice = choice;
}

void SerialDeviceDiscovery::runSerialScan(IOLinkDevice *currentDevice)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO;
    setScanning(true);
    const QString skipped = addressToSkip(currentDevice);
    // The provider never changes under an open port.
    if (!currentDevice)
        rebindIfChosenOtherwise();

    const QList<SerialPortDescriptor> ports = MasterLibrary::instance().availablePorts();
    for (const SerialPortDescriptor &port : ports) {
        if (currentDevice && port.portName() == skipped)
            continue;
        onDeviceDiscovered(port);
    }
    onDeviceScanFinished();
}

QString SerialDeviceDiscovery::addressToSkip(IOLinkDevice *currentDevice)
{
    QMutexLocker locker(&requestMutex);
    if (!pendingSkips.isEmpty() && pendingSkips.first().first == currentDevice)
        return pendingSkips.takeFirst().second;
    // A scan run without startScan: the caller keeps the device alive.
    return currentDevice ? currentDevice->getAddress() : QString();
}

void SerialDeviceDiscovery::rebindIfChosenOtherwise()
{
    MasterChoice wanted;
    {
        QMutexLocker locker(&requestMutex);
        // Nobody chose: whatever is bound stays.
        if (!requestedChoice && MasterLibrary::instance().provider() != MasterLibrary::Provider::None)
            return;
        wanted = requestedChoice.value_or(MasterChoice());
        if (boundChoice && *boundChoice == wanted)
            return;
        boundChoice = wanted;
    }
    const MasterLibrary::Provider provider = MasterLibrary::instance().bind(wanted);
    qInfo() << Q_FUNC_INFO << "Master provider bound:" << int(provider) << MasterLibrary::instance().providerName();
}

void SerialDeviceDiscovery::onDeviceDiscovered(const SerialPortDescriptor &info)
{
    qInfo() << "-- Serial device:" << info.description() << info.portName() << info.manufacturer() << "serial s/n:"
            << info.serialNumber();
    auto *device = new IOLinkSerialDevice(info);
    if (QCoreApplication::instance())
        device->moveToThread(QCoreApplication::instance()->thread());
    emit deviceDiscovered(device);
}

void SerialDeviceDiscovery::onDeviceScanFinished()
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO;
    qInfo() << "IOLink device scan finished.";
    setScanning(false);
}

void SerialDeviceDiscovery::setScanning(bool value)
{
    scanning = value;
    emit scanningChanged();
}
