#include "deviceslistmodel.h"

#include "core/logcategories.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "serialdevicediscovery.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaType>
#include <QThread>
#include <QTimer>

namespace {
const QHash<int, QByteArray> &roles()
{
    static const QHash<int, QByteArray> names {
        { DevicesListModel::NameRole, "name" },
        { DevicesListModel::IconRole, "icon" },
        { DevicesListModel::ConnectedRole, "connected" },
        { DevicesListModel::AddressRole, "address" },
        { DevicesListModel::ConnectingRole, "connecting" },
        { DevicesListModel::IsIOLinkDeviceRole, "isIOLinkDevice" },
        { DevicesListModel::HasIODDRole, "hasIODD" },
        { DevicesListModel::MultipleIODDRole, "multipleIODD" },
        { DevicesListModel::SerialRole, "serial" },
        { DevicesListModel::PreviouslyConnectedRole, "previouslyConnected" },
        { DevicesListModel::AccessibleRole, "accessible" },
        { DevicesListModel::IdRole, "id" },
    };
    return names;
}
} // namespace

DevicesListModel::DevicesListModel(IODDListModel *ioddModel, QObject *parent)
    : QAbstractListModel(parent)
    , ioddModel(ioddModel)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO;
    scanThread = new QThread(this);
    scanThread->start(QThread::InheritPriority);
    discovery = new SerialDeviceDiscovery;
    discovery->moveToThread(scanThread);
    qRegisterMetaType<IOLinkDevice *>("IOLinkDevice*");
    connect(discovery, &SerialDeviceDiscovery::deviceDiscovered, this, &DevicesListModel::addDevice,
            Qt::QueuedConnection);
    connect(discovery, &SerialDeviceDiscovery::masterUnreachable, this, &DevicesListModel::alertTextChanged,
            Qt::QueuedConnection);
    connect(discovery, &SerialDeviceDiscovery::scanningChanged, this, &DevicesListModel::onDiscoveryScanningChanged,
            Qt::QueuedConnection);
    rescanTimer = new QTimer;
    rescanTimer->setInterval(rescanInterval);
    connect(rescanTimer, &QTimer::timeout, this, &DevicesListModel::onTimer);
}

DevicesListModel::~DevicesListModel()
{
    scanThread->quit();
    scanThread->wait();
    qInfo() << "Scanning event thread finished.";
    discovery->waitForNetworkScans();
    // Devices announced by the last scan but not yet received would otherwise outlive the model, threads running.
    shuttingDown = true;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    delete discovery;
    delete rescanTimer;
    // The items go with the model; the current device among them.
    currentDevice = nullptr;
}

int DevicesListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : items.size();
}

QHash<int, QByteArray> DevicesListModel::roleNames() const
{
    return roles();
}

QVariant DevicesListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= items.size() || !roles().contains(role))
        return QVariant();
    const QVariant value = roleValue(items.at(index.row()), role);
    qCDebug(lcDiscovery) << Q_FUNC_INFO << index.row() << roles().value(role) << "=" << value;
    return value;
}

QVariant DevicesListModel::roleValue(const DeviceItem *item, int role) const
{
    const IOLinkDevice *device = item->getDevice();
    const QString state = item->getDeviceState();
    switch (role) {
    case NameRole:
        return item->getProductName();
    case IconRole:
        return item->getDeviceIcon();
    case ConnectedRole:
        return state == QLatin1String(IOLinkDevice::connectedName);
    case AddressRole:
        return device ? device->getAddress() : QString();
    case ConnectingRole:
        return state == QLatin1String(IOLinkDevice::connectingName) || state == QLatin1String(IOLinkDevice::syncingName);
    case IsIOLinkDeviceRole:
        return item->isPreviouslyConnected() || item->getIoddEntry() != nullptr || (device && device->isAvailable());
    case HasIODDRole:
        return item->getIoddEntry() != nullptr;
    case MultipleIODDRole:
        return item->hasMultipleIODD();
    case SerialRole:
        return item->getSerialNumber();
    case PreviouslyConnectedRole:
        return item->isPreviouslyConnected();
    case AccessibleRole:
        return device != nullptr;
    case IdRole:
        return item->getId();
    default:
        return QVariant();
    }
}

void DevicesListModel::onDiscoveryScanningChanged()
{
    if (discovery->isScanning())
        rescanTimer->stop();
    else if (!currentDevice)
        rescanTimer->start();
    qCDebug(lcDiscovery) << "Serial scanning changed:" << discovery->isScanning();
    emit scanningChanged();
}

bool DevicesListModel::isScanning() const
{
    return discovery->isScanning();
}

bool DevicesListModel::isRescanTimerActive() const
{
    return rescanTimer->isActive();
}

void DevicesListModel::onTimer()
{
    startScan();
}

void DevicesListModel::startScan()
{
    qInfo() << "Starting device scan";
    replaceItemsKeepingCurrent();
    const QList<DeviceItem *> saved = savedSensors.read();
    for (DeviceItem *item : saved)
        addDeviceItem(item);
    discovery->startScan(currentDevice);
}

void DevicesListModel::replaceItemsKeepingCurrent()
{
    beginResetModel();
    DeviceItem *kept = nullptr;
    for (DeviceItem *item : qAsConst(items)) {
        if (currentDevice && item->getDevice() == currentDevice)
            kept = item;
        else
            delete item;
    }
    items.clear();
    if (kept) {
        items.append(kept);
        currentIndex = 0;
        selectedId = kept->getId();
    }
    endResetModel();
    // The selected item may be gone; its replacement takes the selection when it is listed again.
    emit currentIndexChanged();
}

void DevicesListModel::addDevice(IOLinkDevice *device)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO << device << device->getProductName();
    if (shuttingDown) {
        delete device;
        return;
    }
    connect(device, &IOLinkDevice::stateChanged, this, &DevicesListModel::onDeviceStateChanged);
    const int row = rowOfId(device->getAddress());
    if (row >= 0) {
        DeviceItem *item = items.at(row);
        if (item->getDevice() && item->getDevice() == currentDevice) {
            delete device;
            return;
        }
        item->setDevice(device);
        return;
    }
    auto *item = new DeviceItem(device->getAddress());
    addDeviceItem(item);
    item->setDevice(device);
}

void DevicesListModel::addDeviceItem(DeviceItem *item)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO << item->getId();
    if (items.contains(item))
        return;
    item->setParent(this);
    if (rowOfId(item->getId()) >= 0) {
        // No second row for one id; the caller may still hold the item until control returns to the event loop.
        item->deleteLater();
        return;
    }
    // Queued: a lookup inside data() announces the entry it found, and the views must not be told while they read.
    connect(item, &DeviceItem::attributeChanged, this, &DevicesListModel::onDeviceAttributeChanged,
            Qt::QueuedConnection);
    connect(item, &DeviceItem::synchronised, this, &DevicesListModel::saveSensor);
    item->setIoddModel(ioddModel);
    beginInsertRows(QModelIndex(), items.size(), items.size());
    items.append(item);
    endInsertRows();
    if (!selectedId.isEmpty() && item->getId() == selectedId) {
        currentIndex = items.size() - 1;
        emit currentIndexChanged();
    }
}

void DevicesListModel::setSensorStore(QSettings *store)
{
    savedSensors.setStore(store);
}

void DevicesListModel::setMasterChoice(const MasterChoice &choice)
{
    discovery->setMasterChoice(choice);
}

void DevicesListModel::setLanguage(const QString &newLanguage)
{
    language = newLanguage;
    if (currentDevice)
        currentDevice->setLanguage(language);
}

void DevicesListModel::saveSensor()
{
    savedSensors.save(qobject_cast<DeviceItem *>(sender()));
}

void DevicesListModel::onDeviceAttributeChanged()
{
    // Compared by address only: a queued announcement may outlive its item.
    const int row = items.indexOf(static_cast<DeviceItem *>(sender()));
    if (row < 0)
        return;
    qCDebug(lcDiscovery) << Q_FUNC_INFO << "Item:" << items.at(row)->getId();
    emit dataChanged(index(row), index(row));
}

void DevicesListModel::onDeviceStateChanged()
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO;
    auto *device = qobject_cast<IOLinkDevice *>(sender());
    if (!device)
        return;
    qCDebug(lcDiscovery) << "Device:" << device->getAddress();
    for (int row = 0; row < items.size(); ++row) {
        if (items.at(row)->getDevice() != device)
            continue;
        if (device == currentDevice && device->getState() == QLatin1String(IOLinkDevice::notConnectedName))
            disconnectCurrentDevice();
        emit dataChanged(index(row), index(row));
    }
}

void DevicesListModel::connectToDevice(int index)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO << index;
    for (DeviceItem *item : qAsConst(items)) {
        if (item->getDevice())
            item->getDevice()->disconnectFromDevice();
    }
    if (index < 0 || index >= items.size() || !items.at(index)->getDevice())
        return;
    rescanTimer->stop();
    currentDevice = items.at(index)->getDevice();
    currentDevice->setLanguage(language);
    currentDevice->connectToDevice();
    emit currentDeviceChanged();
}

void DevicesListModel::disconnectCurrentDevice()
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO;
    if (!currentDevice)
        return;
    currentDevice->disconnectFromDevice();
    currentDevice = nullptr;
    emit currentDeviceChanged();
}

void DevicesListModel::setCurrentIndex(int index)
{
    currentIndex = index;
    const DeviceItem *item = itemAt(index);
    selectedId = item ? item->getId() : QString();
    emit currentIndexChanged();
}

DeviceItem *DevicesListModel::getSelectedItem() const
{
    DeviceItem *item = itemAt(currentIndex);
    // While a rescan lists the devices again, the row may hold another device for a moment.
    if (item && !selectedId.isEmpty() && item->getId() != selectedId)
        return nullptr;
    return item;
}

DeviceItem *DevicesListModel::itemAt(int row) const
{
    return row >= 0 && row < items.size() ? items.at(row) : nullptr;
}

bool DevicesListModel::remove(int row)
{
    return removeRows(row, 1);
}

bool DevicesListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    qCDebug(lcDiscovery) << Q_FUNC_INFO << row << count;
    if (parent.isValid() || count != 1 || row < 0 || row >= items.size() || !items.at(row)->isPreviouslyConnected())
        return false;
    DeviceItem *item = items.at(row);
    // The connected device's row stays: deleting it would delete the device under the user.
    if (currentDevice && item->getDevice() == currentDevice)
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    items.removeAt(row);
    savedSensors.remove(item->getId());
    delete item;
    endRemoveRows();
    return true;
}

int DevicesListModel::rowOf(const DeviceItem *item) const
{
    return items.indexOf(const_cast<DeviceItem *>(item));
}

int DevicesListModel::rowOfId(const QString &id) const
{
    for (int row = 0; row < items.size(); ++row) {
        if (items.at(row)->getId() == id)
            return row;
    }
    return -1;
}
