#pragma once

#include <QMetaType>
#include <QString>

class QSerialPortInfo;

// The fields of a serial port that the program uses, whether the port is an operating-system port
// or a virtual port of the simulated master.
class SerialPortDescriptor
{
public:
    SerialPortDescriptor() = default;
    explicit SerialPortDescriptor(const QSerialPortInfo &info);

    QString portName() const { return name; }
    void setPortName(const QString &value) { name = value; }
    QString systemLocation() const { return location; }
    void setSystemLocation(const QString &value) { location = value; }
    QString description() const { return descriptionText; }
    void setDescription(const QString &value) { descriptionText = value; }
    QString manufacturer() const { return manufacturerName; }
    void setManufacturer(const QString &value) { manufacturerName = value; }
    QString serialNumber() const { return serial; }
    void setSerialNumber(const QString &value) { serial = value; }

    bool hasVendorIdentifier() const { return vendorIdentifierSet; }
    quint16 vendorIdentifier() const { return vendorId; }
    void setVendorIdentifier(quint16 value);
    bool hasProductIdentifier() const { return productIdentifierSet; }
    quint16 productIdentifier() const { return productId; }
    void setProductIdentifier(quint16 value);

    bool isNull() const { return name.isEmpty() && location.isEmpty(); }

    // The master port number: the trailing decimal digits of the system location, 65535 when there are none.
    quint16 portNumber() const;

    bool operator==(const SerialPortDescriptor &other) const;
    bool operator!=(const SerialPortDescriptor &other) const { return !(*this == other); }

    static constexpr quint16 noPortNumber = 65535;

private:
    QString name;
    QString location;
    QString descriptionText;
    QString manufacturerName;
    QString serial;
    quint16 vendorId = 0;
    quint16 productId = 0;
    bool vendorIdentifierSet = false;
    bool productIdentifierSet = false;
};

Q_DECLARE_METATYPE(SerialPortDescriptor)
