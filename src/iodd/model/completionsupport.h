#pragma once

#include <QList>
#include <QString>

class DatatypeT;
class IODDStandardDefinitionsT;
class IODeviceT;
class TypedValue;

// Small pieces shared by the completion of variables, process data and events.
namespace CompletionSupport {

// The value type codes that the completion assigns; everything else is TypedValue::noType.
enum ValueTypeCode : quint32 {
    BooleanValue = 0,
    UIntegerValue = 1,
    IntegerValue = 2,
    Float32Value = 3,
    StringValue = 4,
    OctetStringValue = 5
};

template <class T>
T *lastOf(const QList<T *> &list)
{
    return list.isEmpty() ? nullptr : list.last();
}

// Value type code of a datatype name: 0 Boolean, 1 UInteger, 2 Integer, 3 Float32, 4 String,
// 5 OctetString, 8 anything else.
quint32 valueTypeCode(const QString &typeName);

// A datatype referenced by id: the product's own collection first, then the standard definitions.
DatatypeT *resolveDatatype(const IODeviceT &device, const IODDStandardDefinitionsT *standard, const QString &id);

// Sets a typed value (whose type is already set) from an IODD value text. Booleans accept "true"
// and "false"; octet strings written as "0x.." octets become those octets.
void setFromIoddText(TypedValue &value, const QString &text, const QString &context);

// Translated text of a text id; a missing text reference (empty id) shows as nothing rather than
// as a failed lookup.
QString textOf(const IODeviceT &device, const QString &textId);

// Octets of a text written as "0x12 0x34" or "0x12,0x34"; parts that are no hex number count as 0.
QByteArray octetsFromHexText(const QString &text);

} // namespace CompletionSupport
