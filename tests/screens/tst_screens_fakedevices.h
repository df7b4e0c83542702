#pragma once

#include "tst_screens_fakeiolink.h"
#include "tst_screens_fakeprocessdata.h"

#include <QAbstractListModel>
#include <QObject>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QVariant>

class FakeIoLink;
class FakeProcessDataHandler;
class FakeCommunicationModel;

// Stand-ins for the device list, its filter, its items and the devices, with the names the screens bind to.

class FakeDevice : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *ioLink READ getIoLink NOTIFY ioLinkWrapperChanged)
    Q_PROPERTY(QString productName MEMBER productName NOTIFY attributeChanged)
    Q_PROPERTY(QString address MEMBER address CONSTANT)
    Q_PROPERTY(QObject *processData READ getProcessData CONSTANT)
    Q_PROPERTY(QString state MEMBER state NOTIFY stateChanged)
    Q_PROPERTY(QObject *communication READ getCommunication CONSTANT)

public:
    FakeDevice(const QString &address, const QString &productName, QObject *parent);

    QObject *getIoLink() const;
    QObject *getProcessData() const;
    QObject *getCommunication() const;

    // Moves through the lifecycle as the real device does: the binding exists from syncing on.
    void setState(const QString &newState);

    QString address;
    QString productName;
    QString state = QStringLiteral("notConnected");
    FakeIoLink *ioLink = nullptr;
    FakeProcessDataHandler *processData = nullptr;
    FakeCommunicationModel *communication = nullptr;

signals:
    void ioLinkWrapperChanged();
    void stateChanged();
    void attributeChanged();
    void alertTextChanged(const QString &alert);
};

class FakeDeviceItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *ioddEntry MEMBER ioddEntry NOTIFY attributeChanged)
    Q_PROPERTY(bool multipleIODD MEMBER multipleIODD NOTIFY attributeChanged)
    Q_PROPERTY(QString deviceIcon MEMBER deviceIcon NOTIFY attributeChanged)
    Q_PROPERTY(QString deviceSymbol MEMBER deviceSymbol NOTIFY attributeChanged)
    Q_PROPERTY(QString vendorName MEMBER vendorName NOTIFY attributeChanged)
    Q_PROPERTY(QString productId MEMBER productId NOTIFY attributeChanged)
    Q_PROPERTY(QString productName MEMBER productName NOTIFY attributeChanged)
    Q_PROPERTY(QString serialNumber MEMBER serialNumber NOTIFY attributeChanged)
    Q_PROPERTY(bool connected READ isConnected NOTIFY connectionChanged)

public:
    explicit FakeDeviceItem(QObject *parent) : QObject(parent) {}

    bool isConnected() const;

    QObject *ioddEntry = nullptr;
    bool multipleIODD = false;
    QString deviceIcon = QStringLiteral("qrc:/icons/usb_black_24dp.svg");
    QString deviceSymbol;
    QString vendorName;
    QString productId;
    QString productName;
    QString serialNumber;
    bool isIOLinkDevice = true;
    FakeDevice *device = nullptr;

signals:
    void attributeChanged();
    void connectionChanged();
};

class FakeDevicesListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool scanning MEMBER scanning NOTIFY scanningChanged)
    Q_PROPERTY(QObject *currentDevice READ getCurrentDevice NOTIFY currentDeviceChanged)
    Q_PROPERTY(int currentIndex READ getCurrentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(QObject *selectedItem READ getSelectedItem NOTIFY currentIndexChanged)

public:
    explicit FakeDevicesListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : items.size(); }
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void connectToDevice(int index);
    Q_INVOKABLE QObject *getCurrentDevice() const { return currentDevice; }
    Q_INVOKABLE void disconnectCurrentDevice();
    Q_INVOKABLE int getCurrentIndex() const { return currentIndex; }
    Q_INVOKABLE void setCurrentIndex(int index);
    Q_INVOKABLE QObject *getSelectedItem() const;
    Q_INVOKABLE void startScan();
    Q_INVOKABLE bool isScanning() const { return scanning; }

    void setScanning(bool scan);
    void setDeviceState(int row, const QString &state);
    FakeDeviceItem *item(int row) const { return items.at(row); }

    QList<FakeDeviceItem *> items;
    bool scanning = false;
    FakeDevice *currentDevice = nullptr;
    int currentIndex = -1;
    int scans = 0;
    QList<int> connectRequests;
    int disconnectRequests = 0;

signals:
    void scanningChanged();
    void currentDeviceChanged();
    void currentIndexChanged();

private:
    void addRow(FakeDeviceItem *row);
};

class FakeDevicesFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit FakeDevicesFilterModel(QObject *parent = nullptr) : QSortFilterProxyModel(parent) {}

    Q_INVOKABLE int getSourceRow(int row) const { return mapToSource(index(row, 0)).row(); }
    Q_INVOKABLE int getFilteredRow(int row) const;
};

// Implementation: included by the one test that uses these stand-ins.
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

inline FakeDevice::FakeDevice(const QString &address, const QString &productName, QObject *parent)
    : QObject(parent), address(address), productName(productName),
      processData(new FakeProcessDataHandler(this)), communication(new FakeCommunicationModel(this))
{
}

inline QObject *FakeDevice::getIoLink() const
{
    return ioLink;
}

inline QObject *FakeDevice::getProcessData() const
{
    return processData;
}

inline QObject *FakeDevice::getCommunication() const
{
    return communication;
}

inline void FakeDevice::setState(const QString &newState)
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

inline bool FakeDeviceItem::isConnected() const
{
    return device && device->state == QLatin1String("connected");
}

inline FakeDevicesListModel::FakeDevicesListModel(QObject *parent) : QAbstractListModel(parent)
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

inline void FakeDevicesListModel::addRow(FakeDeviceItem *row)
{
    items.append(row);
    connect(row->device, &FakeDevice::stateChanged, this, [this, row]() {
        const QModelIndex changed = index(items.indexOf(row));
        emit dataChanged(changed, changed);
        emit row->connectionChanged();
    });
}

inline QVariant FakeDevicesListModel::data(const QModelIndex &index, int role) const
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

inline QHash<int, QByteArray> FakeDevicesListModel::roleNames() const
{
    return { { NameRole, "name" }, { IconRole, "icon" }, { ConnectedRole, "connected" }, { AddressRole, "address" },
             { ConnectingRole, "connecting" }, { IsIOLinkDeviceRole, "isIOLinkDevice" }, { HasIODDRole, "hasIODD" },
             { MultipleIODDRole, "multipleIODD" }, { SerialRole, "serial" },
             { PreviouslyConnectedRole, "previouslyConnected" }, { AccessibleRole, "accessible" }, { IdRole, "id" } };
}

inline void FakeDevicesListModel::connectToDevice(int index)
{
    connectRequests.append(index);
    if (index < 0 || index >= items.size() || !items.at(index)->device)
        return;
    currentDevice = items.at(index)->device;
    emit currentDeviceChanged();
}

inline void FakeDevicesListModel::disconnectCurrentDevice()
{
    ++disconnectRequests;
    if (!currentDevice)
        return;
    FakeDevice *device = currentDevice;
    currentDevice = nullptr;
    device->setState(QStringLiteral("notConnected"));
    emit currentDeviceChanged();
}

inline void FakeDevicesListModel::setCurrentIndex(int index)
{
    currentIndex = index;
    emit currentIndexChanged();
}

inline QObject *FakeDevicesListModel::getSelectedItem() const
{
    return currentIndex >= 0 && currentIndex < items.size() ? items.at(currentIndex) : nullptr;
}

inline void FakeDevicesListModel::startScan()
{
    ++scans;
}

inline void FakeDevicesListModel::setScanning(bool scan)
{
    scanning = scan;
    emit scanningChanged();
}

inline void FakeDevicesListModel::setDeviceState(int row, const QString &state)
{
    items.at(row)->device->setState(state);
}

inline int FakeDevicesFilterModel::getFilteredRow(int row) const
{
    if (!sourceModel() || row < 0 || row >= sourceModel()->rowCount())
        return -1;
    return mapFromSource(sourceModel()->index(row, 0)).row();
}
