#pragma once

#include <QList>
#include <QString>

class DatatypeT;
class IODDStandardDefinitionsT;
class IODeviceT;
class TypedValue;

// Small pieces shared by the completion of variables, process data and events.
namespace CompletionSupport {

template <class T>
T *lastOf(const QList<T *> &list)
{
    return list.isEmpty() ? nullptr : list.last();
}

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
