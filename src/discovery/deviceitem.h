#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// One row of the device list: a live or remembered sensor with the identity shown for it.
class DeviceItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString vendorName READ getVendorName NOTIFY attributeChanged)
    Q_PROPERTY(QString productId READ getProductId NOTIFY attributeChanged)
    Q_PROPERTY(QString productName READ getProductName NOTIFY attributeChanged)
    Q_PROPERTY(QString serialNumber READ getSerialNumber NOTIFY attributeChanged)

public:
    explicit DeviceItem(const QString &id = QString(), QObject *parent = nullptr);

    QString getId() const { return id; }
    QString getVendorName() const { return vendorName; }
    QString getProductId() const { return productId; }
    QString getProductName() const { return productName; }
    QString getSerialNumber() const { return serialNumber; }
    QDateTime getTime() const { return time; }
    bool isPreviouslyConnected() const { return previouslyConnected; }

    void setId(const QString &value) { id = value; }
    void setVendorName(const QString &value) { vendorName = value; }
    void setProductId(const QString &value) { productId = value; }
    void setProductName(const QString &value) { productName = value; }
    void setSerialNumber(const QString &value) { serialNumber = value; }
    void setTime(const QDateTime &value) { time = value; }
    void setPreviouslyConnected(bool value) { previouslyConnected = value; }

    // The saved-sensor format: a compact JSON object with id, productId, productName, serialNumber and time.
    bool fromJsonString(const QString &key, const QString &text);
    QString toJsonString() const;

signals:
    void attributeChanged();
    void connectionChanged();

private:
    QString id;
    QString vendorName;
    QString productId;
    QString productName;
    QString serialNumber;
    QDateTime time;
    bool previouslyConnected = false;
};
