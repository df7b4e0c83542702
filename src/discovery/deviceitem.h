#pragma once

#include "iodd/catalogue/ioddentry.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class IODDListModel;
class IOLinkDevice;

// One row of the device list: a live or remembered sensor, the identity shown for it and the IODD that
// matches its product ID. The live device, when there is one, is a Qt child of the item.
class DeviceItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(IODDEntry *ioddEntry READ getIoddEntry NOTIFY attributeChanged)
    Q_PROPERTY(bool multipleIODD READ hasMultipleIODD NOTIFY attributeChanged)
    Q_PROPERTY(QString deviceIcon READ getDeviceIcon NOTIFY attributeChanged)
    Q_PROPERTY(QString deviceSymbol READ getDeviceSymbol NOTIFY attributeChanged)
    Q_PROPERTY(QString vendorName READ getVendorName NOTIFY attributeChanged)
    Q_PROPERTY(QString productId READ getProductId NOTIFY attributeChanged)
    Q_PROPERTY(QString productName READ getProductName NOTIFY attributeChanged)
    Q_PROPERTY(QString serialNumber READ getSerialNumber NOTIFY attributeChanged)
    Q_PROPERTY(bool connected READ isConnected NOTIFY connectionChanged)

public:
    explicit DeviceItem(const QString &id = QString(), QObject *parent = nullptr);
    ~DeviceItem() override;

    QString getId() const { return id; }
    QString getVendorName() const { return vendorName; }
    QString getProductId() const { return productId; }
    QString getProductName() const { return productName; }
    QString getSerialNumber() const { return serialNumber; }
    QDateTime getTime() const { return time; }
    bool isPreviouslyConnected() const { return previouslyConnected; }
    IOLinkDevice *getDevice() const { return device; }
    IODDListModel *getIoddModel() const { return ioddModel; }

    // The best matching IODD entry; looked up again on every use until one is found.
    IODDEntry *getIoddEntry() const;
    bool hasMultipleIODD() const;
    // Picture URLs for QML: the IODD's pictures, or the layout's generic icon.
    QString getDeviceIcon() const;
    QString getDeviceSymbol() const;
    bool isConnected() const;
    // The device's state, or empty without device.
    QString getDeviceState() const;

    void setId(const QString &value) { id = value; }
    void setVendorName(const QString &value) { vendorName = value; }
    void setProductId(const QString &value) { productId = value; }
    void setProductName(const QString &value) { productName = value; }
    void setSerialNumber(const QString &value) { serialNumber = value; }
    void setTime(const QDateTime &value) { time = value; }
    void setPreviouslyConnected(bool value) { previouslyConnected = value; }

    // Takes the device (null clears); a different device held before is released.
    void setDevice(IOLinkDevice *newDevice);
    void setIoddModel(IODDListModel *model);

    // The saved-sensor format: a compact JSON object with id, productId, productName, serialNumber and time.
    bool fromJsonString(const QString &key, const QString &text);
    QString toJsonString() const;

    static const char *const desktopFallbackIcon;

signals:
    void attributeChanged();
    void connectionChanged();
    // Its device synchronised: the identity is known and worth keeping.
    void synchronised();

public slots:
    void onSyncFinished();
    void clearIODDEntry();
    void refreshIODDEntry();
    void onIoddChanged();

private:
    IODDEntry *lookUpIoddEntry() const;
    QString pictureUrl(const QString &path) const;
    void takeIdentityFromDevice();
    void releaseDevice();

    QString id;
    QString vendorName;
    QString productId;
    QString productName;
    QString serialNumber;
    QDateTime time;
    bool previouslyConnected = false;
    IOLinkDevice *device = nullptr;
    IODDListModel *ioddModel = nullptr;
    // A cache filled by lookups from const getters.
    mutable IODDEntry *ioddEntry = nullptr;
    mutable bool multipleIODD = false;
};
