#include "serialdevicediscovery.h"

#include "app/applicationsettings.h"
#include "connection/iolinkserialdevice.h"
#include "master/masterlibrary.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaType>
#include <QMutexLocker>
#include <QThread>

SerialDeviceDiscovery::SerialDeviceDiscovery(QObject *parent)
    : QObject(parent)
{
    qDebug() << Q_FUNC_INFO;
    qRegisterMetaType<IOLinkDevice *>("IOLinkDevice*");
    qRegisterMetaType<SerialPortDescriptor>();
    connect(this, &SerialDeviceDiscovery::scanningRequested, this, &SerialDeviceDiscovery::runSerialScan,
            Qt::QueuedConnection);
    // A provider bound already was bound from the settings as they are now.
    if (QCoreApplication::instance() && MasterLibrary::instance().provider() != MasterLibrary::Provider::None) {
        requestedChoice = boundChoice = currentChoice();
        choiceKnown = true;
    }
}

SerialDeviceDiscovery::~SerialDeviceDiscovery() = default;

void SerialDeviceDiscovery::startScan(IOLinkDevice *currentDevice)
{
    qDebug() << Q_FUNC_INFO;
    {
        QMutexLocker locker(&requestMutex);
        pendingSkips.append({ currentDevice, currentDevice ? currentDevice->getAddress() : QString() });
        requestedChoice = currentChoice();
    }
    emit scanningRequested(currentDevice);
}

SerialDeviceDiscovery::BindingChoice SerialDeviceDiscovery::currentChoice()
{
    BindingChoice choice;
    ApplicationSettings *settings = ApplicationSettings::instance();
    choice.simulated = settings->simulatedMaster();
    choice.simulatedDevices = settings->simulatedDevices();
    return choice;
}

void SerialDeviceDiscovery::runSerialScan(IOLinkDevice *currentDevice)
{
    qDebug() << Q_FUNC_INFO;
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
    BindingChoice wanted;
    {
        QMutexLocker locker(&requestMutex);
        wanted = requestedChoice;
        if (choiceKnown && !(boundChoice != wanted))
            return;
        boundChoice = wanted;
        choiceKnown = true;
    }
    const MasterLibrary::Provider provider = MasterLibrary::instance().bind();
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
    qDebug() << Q_FUNC_INFO;
    qInfo() << "IOLink device scan finished.";
    setScanning(false);
}

void SerialDeviceDiscovery::setScanning(bool value)
{
    scanning = value;
    emit scanningChanged();
}
