#include "serialportdescriptor.h"

#include <QSerialPortInfo>

SerialPortDescriptor::SerialPortDescriptor(const QSerialPortInfo &info)
    : name(info.portName())
    , location(info.systemLocation())
    , descriptionText(info.description())
    , manufacturerName(info.manufacturer())
    , serial(info.serialNumber())
    , vendorId(info.vendorIdentifier())
    , productId(info.productIdentifier())
    , vendorIdentifierSet(info.hasVendorIdentifier())
    , productIdentifierSet(info.hasProductIdentifier())
{
}

void SerialPortDescriptor::setVendorIdentifier(quint16 value)
{
    vendorId = value;
    vendorIdentifierSet = true;
}

void SerialPortDescriptor::setProductIdentifier(quint16 value)
{
    productId = value;
    productIdentifierSet = true;
}

quint16 SerialPortDescriptor::portNumber() const
{
    int start = location.size();
    while (start > 0 && location.at(start - 1).isDigit() && location.at(start - 1).unicode() < 128)
        --start;
    if (start == location.size())
        return noPortNumber;
    // A number too large for 16 bits cannot name a master port either.
    bool ok = false;
    const uint number = location.midRef(start).toUInt(&ok);
    return ok && number <= 0xFFFF ? quint16(number) : noPortNumber;
}

bool SerialPortDescriptor::operator==(const SerialPortDescriptor &other) const
{
    return name == other.name && location == other.location && descriptionText == other.descriptionText
        && manufacturerName == other.manufacturerName && serial == other.serial && vendorId == other.vendorId
        && productId == other.productId && vendorIdentifierSet == other.vendorIdentifierSet
        && productIdentifierSet == other.productIdentifierSet;
}
