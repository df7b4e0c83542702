#pragma once

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
