#pragma once

#include <QMetaType>
#include <QString>

class QDebug;

// The kind of a value, one per IODD datatype. The simple kinds come first, so that their numbers in
// logs read the same as before: Boolean 0 to OctetString 5.
enum class ValueKind : quint8 {
    Boolean,
    UInteger,
    Integer,
    Float32,
    String,
    OctetString,
    Time,
    TimeSpan,
    Array,
    Record,
    ProcessDataIn,
    ProcessDataOut,
    Unknown
};

// The kind of an IODD datatype name (xsi:type, e.g. "UIntegerT"); Unknown for anything else.
ValueKind valueKindOf(const QString &typeName);
// The IODD datatype name of a kind; empty for Unknown.
QString valueKindName(ValueKind kind);

constexpr bool isWholeNumber(ValueKind kind)
{
    return kind == ValueKind::UInteger || kind == ValueKind::Integer;
}

constexpr bool isNumber(ValueKind kind)
{
    return isWholeNumber(kind) || kind == ValueKind::Float32;
}

// Held as octets: a text or an octet string.
constexpr bool isOctets(ValueKind kind)
{
    return kind == ValueKind::String || kind == ValueKind::OctetString;
}

constexpr bool isTime(ValueKind kind)
{
    return kind == ValueKind::Time || kind == ValueKind::TimeSpan;
}

// One value that a typed value holds as it is: a boolean, a number, a text or an octet string.
constexpr bool isScalar(ValueKind kind)
{
    return kind == ValueKind::Boolean || isNumber(kind) || isOctets(kind);
}

// Made of items or elements with subindexes of their own.
constexpr bool isComposite(ValueKind kind)
{
    return kind == ValueKind::Array || kind == ValueKind::Record;
}

Q_DECLARE_METATYPE(ValueKind)

// Logs a kind as its number.
QDebug operator<<(QDebug debug, ValueKind kind);
