#include "tst_screens_fakedevices.h"

#include "tst_screens_fakeiolink.h"
#include "tst_screens_fakeprocessdata.h"

namespace {

enum Role {
    NameRole = Qt::UserRole,
    IconRole,
    ConnectedRole,
    AddressRole,
    ConnectingRole,
    IsIOLinkDeviceRole,
    HasIODDRole,
    MultipleIODDRole,
    SerialRole,
    PreviouslyConnectedRole,
    AccessibleRole,
    IdRole
};

} // namespace

FakeDevice::FakeDevice(const QString &address, const QString &productName, QObject *parent)
    : QObject(parent), address(address), productName(productName),
      processData(new FakeProcessDataHandler(this)), communication(new FakeCommunicationModel(this))
{
}

QObject *FakeDevice::getIoLink() const
{
    return ioLink;
}

QObject *FakeDevice::getProcessData() const
{
    return processData;
}

QObject *FakeDevice::getCommunication() const
{
    return communication;
}

void FakeDevice::setState(const QString &newState)
{
    const bool hadBinding = ioLink != nullptr;
    if (newState == QLatin1String("notConnected") || newState == QLatin1String("connecting")) {
        delete ioLink;
        ioLink = nullptr;
    } else if (!ioLink) {
        ioLink = new FakeIoLink(this);
    }
    state = newState;
    if (hadBinding != (ioLink != nullptr))
        emit ioLinkWrapperChanged();
    emit stateChanged();
}

bool FakeDeviceItem::isConnected() const
{
    return device && device->state == QLatin1String("connected");
}

FakeDevicesListModel::FakeDevicesListModel(QObject *parent) : QAbstractListModel(parent)
{
    auto *sensor = new FakeDeviceItem(this);
    sensor->productName = QStringLiteral("OVX100 Optical Distance Sensor");
    sensor->vendorName = QStringLiteral("Korvell GmbH");
    sensor->productId = QStringLiteral("OVX100");
    sensor->serialNumber = QStringLiteral("KV-000123");
    sensor->device = new FakeDevice(QStringLiteral("COM7"), sensor->productName, sensor);
    addRow(sensor);

    auto *unknown = new FakeDeviceItem(this);
    unknown->productName = QStringLiteral("Unknown sensor");
    unknown->productId = QStringLiteral("XY-9");
    unknown->device = new FakeDevice(QStringLiteral("COM8"), unknown->productName, unknown);
    addRow(unknown);

    auto *serialPort = new FakeDeviceItem(this);
    serialPort->productName = QStringLiteral("USB Serial Port");
    serialPort->isIOLinkDevice = false;
    serialPort->device = new FakeDevice(QStringLiteral("COM3"), QString(), serialPort);
    addRow(serialPort);

    auto *twice = new FakeDeviceItem(this);
    twice->productName = QStringLiteral("OVX200 Long Range Sensor");
    twice->productId = QStringLiteral("OVX200");
    twice->multipleIODD = true;
    twice->device = new FakeDevice(QStringLiteral("COM12"), twice->productName, twice);
    addRow(twice);
}

void FakeDevicesListModel::addRow(FakeDeviceItem *row)
{
    items.append(row);
    connect(row->device, &FakeDevice::stateChanged, this, [this, row]() {
        const QModelIndex changed = index(items.indexOf(row));
        emit dataChanged(changed, changed);
        emit row->connectionChanged();
    });
}

QVariant FakeDevicesListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= items.size())
        return QVariant();
    const FakeDeviceItem *row = items.at(index.row());
    const QString state = row->device ? row->device->state : QString();
    const bool hasIodd = row->ioddEntry != nullptr || row->multipleIODD;
    switch (role) {
    case NameRole: return row->productName;
    case IconRole: return row->deviceIcon;
    case ConnectedRole: return state == QLatin1String("connected");
    case AddressRole: return row->device ? row->device->address : QString();
    case ConnectingRole: return state == QLatin1String("connecting") || state == QLatin1String("syncing");
    case IsIOLinkDeviceRole: return row->isIOLinkDevice || hasIodd;
    case HasIODDRole: return hasIodd;
    case MultipleIODDRole: return row->multipleIODD;
    case SerialRole: return row->serialNumber;
    case PreviouslyConnectedRole: return false;
    case AccessibleRole: return row->device != nullptr;
    case IdRole: return row->device ? row->device->address : QString();
    default: return QVariant();
    }
}

QHash<int, QByteArray> FakeDevicesListModel::roleNames() const
{
    return { { NameRole, "name" }, { IconRole, "icon" }, { ConnectedRole, "connected" }, { AddressRole, "address" },
             { ConnectingRole, "connecting" }, { IsIOLinkDeviceRole, "isIOLinkDevice" }, { HasIODDRole, "hasIODD" },
             { MultipleIODDRole, "multipleIODD" }, { SerialRole, "serial" },
             { PreviouslyConnectedRole, "previouslyConnected" }, { AccessibleRole, "accessible" }, { IdRole, "id" } };
}

void FakeDevicesListModel::connectToDevice(int index)
{
    connectRequests.append(index);
    if (index < 0 || index >= items.size() || !items.at(index)->device)
        return;
    currentDevice = items.at(index)->device;
    emit currentDeviceChanged();
}

void FakeDevicesListModel::disconnectCurrentDevice()
{
    ++disconnectRequests;
    if (!currentDevice)
        return;
    FakeDevice *device = currentDevice;
    currentDevice = nullptr;
    device->setState(QStringLiteral("notConnected"));
    emit currentDeviceChanged();
}

void FakeDevicesListModel::setCurrentIndex(int index)
{
    currentIndex = index;
    emit currentIndexChanged();
}

QObject *FakeDevicesListModel::getSelectedItem() const
{
    return currentIndex >= 0 && currentIndex < items.size() ? items.at(currentIndex) : nullptr;
}

void FakeDevicesListModel::startScan()
{
    ++scans;
}

void FakeDevicesListModel::setScanning(bool scan)
{
    scanning = scan;
    emit scanningChanged();
}

void FakeDevicesListModel::setDeviceState(int row, const QString &state)
{
    items.at(row)->device->setState(state);
}

int FakeDevicesFilterModel::getFilteredRow(int row) const
{
    if (!sourceModel() || row < 0 || row >= sourceModel()->rowCount())
        return -1;
    return mapFromSource(sourceModel()->index(row, 0)).row();
}
