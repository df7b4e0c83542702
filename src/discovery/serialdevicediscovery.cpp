#include "serialdevicediscovery.h"

#include "connection/iolinkserialdevice.h"
#include "core/logcategories.h"
#include "master/masterlibrary.h"
#include "master/networkmaster.h"

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

SerialDeviceDiscovery::~SerialDeviceDiscovery()
{
    waitForNetworkScans();
}

void SerialDeviceDiscovery::waitForNetworkScans()
{
    networkPool.waitForDone();
}

void SerialDeviceDiscovery::startScan(IOLinkDevice *currentDevice)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO;
    {
        QMutexLocker locker(&requestMutex);
        pendingSkips.append({ currentDevice, currentDevice ? currentDevice->getAddress() : QString() });
        requestedChoice = latestChoice;
        requestedMasters = latestChoice ? latestChoice->networkMasters : QStringList();
        requestedPollInterval = latestChoice ? latestChoice->networkPollInterval : MasterChoice().networkPollInterval;
    }
    NetworkMaster::instance().setPollInterval(requestedPollInterval);
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
    startNetworkScans(skipped);

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
    announce(new IOLinkSerialDevice(info));
}

void SerialDeviceDiscovery::announce(IOLinkDevice *device)
{
    if (QCoreApplication::instance())
        device->moveToThread(QCoreApplication::instance()->thread());
    emit deviceDiscovered(device);
}

void SerialDeviceDiscovery::startNetworkScans(const QString &skipped)
{
    QStringList masters;
    {
        QMutexLocker locker(&requestMutex);
        masters = requestedMasters;
    }
    networkPool.setMaxThreadCount(qMax(networkPool.maxThreadCount(), maxParallelMasterScans));
    for (const QString &master : qAsConst(masters)) {
        {
            QMutexLocker locker(&networkMutex);
            // A master still busy with the last scan is left to finish it.
            if (mastersBeingScanned.contains(master))
                continue;
            mastersBeingScanned.insert(master);
        }
        networkPool.start(QRunnable::create([this, master, skipped] { scanNetworkMaster(master, skipped); }));
    }
}

void SerialDeviceDiscovery::scanNetworkMaster(const QString &baseUrl, const QString &skipped)
{
    QString error;
    const QList<SerialPortDescriptor> ports = NetworkMaster::instance().onlinePorts(baseUrl, &error);
    bool tellUser = false;
    {
        QMutexLocker locker(&networkMutex);
        if (!error.isEmpty() && ports.isEmpty()) {
            tellUser = !unreachableMasters.contains(baseUrl);
            unreachableMasters.insert(baseUrl);
        } else {
            unreachableMasters.remove(baseUrl);
        }
    }
    if (tellUser) {
        qWarning() << "Network master not reachable:" << baseUrl << error;
        emit masterUnreachable(tr("The IO-Link master %1 cannot be reached: %2").arg(NetworkMaster::hostOf(baseUrl), error));
    }
    for (const SerialPortDescriptor &port : ports) {
        if (port.portName() == skipped)
            continue;
        qInfo() << "-- Network master port:" << port.portName() << port.systemLocation();
        announce(new IOLinkSerialDevice(port));
    }
    QMutexLocker locker(&networkMutex);
    mastersBeingScanned.remove(baseUrl);
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
