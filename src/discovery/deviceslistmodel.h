#pragma once

#include "connection/iolinkdevice.h"
#include "deviceitem.h"
#include "master/masterchoice.h"
#include "savedsensors.h"

#include <QAbstractListModel>
#include <QList>

class IODDListModel;
class QThread;
class QTimer;
class SerialDeviceDiscovery;

// The devices the user chooses from: one row per port that discovery found, plus the saved sensors.
// Owns the notion of the current (connected) device and rescans every 10 s while nothing is connected.
class DevicesListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool scanning READ isScanning NOTIFY scanningChanged)
    Q_PROPERTY(IOLinkDevice *currentDevice READ getCurrentDevice NOTIFY currentDeviceChanged)
    Q_PROPERTY(int currentIndex READ getCurrentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(DeviceItem *selectedItem READ getSelectedItem NOTIFY currentIndexChanged)
    Q_PROPERTY(QString selectedId READ getSelectedId NOTIFY currentIndexChanged)

public:
    enum Roles {
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

    static constexpr int rescanInterval = 10000;

    explicit DevicesListModel(IODDListModel *ioddModel, QObject *parent = nullptr);
    ~DevicesListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    // The saved-sensor store (not owned; none keeps nothing), the user's master choice for the next idle
    // scan, and the language of the device descriptions.
    void setSensorStore(QSettings *store);
    void setMasterChoice(const MasterChoice &choice);
    void setLanguage(const QString &language);

    bool isRescanTimerActive() const;
    DeviceItem *itemAt(int row) const;

signals:
    void scanningChanged();
    void currentDeviceChanged();
    void updatingEntriesStarted();
    void updatingEntriesFinished();
    void currentIndexChanged();
    // A message about discovery itself (a network master that cannot be reached), shown like a device alert.
    void alertTextChanged(QString alert);

public slots:
    void addDevice(IOLinkDevice *device);
    void addDeviceItem(DeviceItem *item);
    void onDeviceStateChanged();
    void onDeviceAttributeChanged();
    void onTimer();

public:
    Q_INVOKABLE void connectToDevice(int index);
    Q_INVOKABLE IOLinkDevice *getCurrentDevice() const { return currentDevice; }
    Q_INVOKABLE void disconnectCurrentDevice();
    Q_INVOKABLE int getCurrentIndex() const { return currentIndex; }
    QString getSelectedId() const { return selectedId; }
    Q_INVOKABLE void setCurrentIndex(int index);
    Q_INVOKABLE DeviceItem *getSelectedItem() const;
    Q_INVOKABLE bool remove(int row);
    Q_INVOKABLE void startScan();
    Q_INVOKABLE bool isScanning() const;

private:
    void onDiscoveryScanningChanged();
    void saveSensor();
    void replaceItemsKeepingCurrent();
    int rowOf(const DeviceItem *item) const;
    int rowOfId(const QString &id) const;
    QVariant roleValue(const DeviceItem *item, int role) const;

    IODDListModel *ioddModel = nullptr;
    QList<DeviceItem *> items;
    SerialDeviceDiscovery *discovery = nullptr;
    QTimer *rescanTimer = nullptr;
    IOLinkDevice *currentDevice = nullptr;
    int currentIndex = -1;
    // The chosen device's id: a rescan replaces the rows, and the selection follows the device, not the row.
    QString selectedId;
    QThread *scanThread = nullptr;
    bool shuttingDown = false;
    SavedSensors savedSensors;
    QString language = QStringLiteral("en");
};
