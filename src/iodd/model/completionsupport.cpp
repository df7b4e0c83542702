#include "completionsupport.h"

#include "iodevicet.h"

#include <QRegularExpression>

namespace CompletionSupport {

DatatypeT *resolveDatatype(const IODeviceT &device, const IODDStandardDefinitionsT *standard, const QString &id)
{
    if (id.isEmpty())
        return nullptr;
    if (const DeviceFunctionT *function = device.deviceFunction()) {
        if (DatatypeT *found = IODeviceT::findDatatype(lastOf(function->DatatypeCollection), id))
            return found;
    }
    // The chosen definitions first, then the primary ones (secondary definitions may have no datatypes).
    const IODDStandardDefinitionsT *candidates[] = { standard, device.standardDefinitions.get() };
    for (const IODDStandardDefinitionsT *definitions : candidates) {
        const DatatypeCollectionT *standardTypes = definitions ? lastOf(definitions->DatatypeCollection) : nullptr;
        if (!standardTypes)
            continue;
        for (DatatypeT *datatype : standardTypes->Datatype) {
            if (datatype->id.value == id)
                return datatype;
        }
    }
    return nullptr;
}

QString textOf(const IODeviceT &device, const QString &textId)
{
    return textId.isEmpty() ? QString() : device.translate(textId);
}

QByteArray octetsFromHexText(const QString &text)
{
    QString compact = text;
    compact.remove(QRegularExpression(QStringLiteral("[\\s,;]")));
    QByteArray octets;
    const QStringList parts = compact.split(QStringLiteral("0x"), Qt::SkipEmptyParts, Qt::CaseInsensitive);
    for (const QString &part : parts)
        octets.append(char(part.toUInt(nullptr, 16)));
    return octets;
}

void setFromIoddText(TypedValue &value, const QString &text, const QString &context)
{
    if (value.type == ValueKind::Boolean) {
        value.setBool(IODeviceT::toBooleanValue(text.trimmed(), context) != 0);
    } else if (value.type == ValueKind::OctetString && text.contains(QLatin1String("0x"), Qt::CaseInsensitive)) {
        value.setOctets(octetsFromHexText(text));
    } else {
        value.setFromText(text);
    }
}

} // namespace CompletionSupport
