// Type descriptions of variables and record items from their resolved datatypes.
#include "completionsupport.h"
#include "iodevicet.h"

#include <QDebug>

using namespace CompletionSupport;

namespace {

// The largest ISDU payload is 232 octets, so no real array has more elements than that many bits;
// a larger count is a broken document and must not make us build millions of items.
constexpr quint32 maxArrayElements = 232 * 8;
// Float32T declares no bitLength of its own.
constexpr quint32 float32BitLength = 32;

void appendSingleValues(const IODeviceT &device, const ChildList<SingleValueT> &values, ValueKind kind,
                        TypeDescription &description)
{
    for (int i = 1; i < values.size(); ++i) {
        const SingleValueT *single = values.at(i);
        SingleValueEntry entry;
        entry.value.type = kind;
        entry.value.bitLength = description.bitLength;
        setFromIoddText(entry.value, single->value.value, single->value.path);
        entry.textId = lastOf(single->Name)->textId.value;
        entry.text = textOf(device, entry.textId);
        description.singleValues.append(entry);
    }
}

void appendValueRanges(const IODeviceT &device, const ChildList<ValueRangeT> &ranges, ValueKind kind,
                       TypeDescription &description)
{
    for (int i = 1; i < ranges.size(); ++i) {
        const ValueRangeT *range = ranges.at(i);
        ValueRangeEntry entry;
        entry.lower.type = entry.upper.type = kind;
        entry.lower.bitLength = entry.upper.bitLength = description.bitLength;
        setFromIoddText(entry.lower, range->lowerValue.value, range->lowerValue.path);
        setFromIoddText(entry.upper, range->upperValue.value, range->upperValue.path);
        entry.textId = lastOf(range->Name)->textId.value;
        entry.text = textOf(device, entry.textId);
        description.valueRanges.append(entry);
    }
}

void fillNumber(const IODeviceT &device, const NumberT *number, ValueKind kind, TypeDescription &description)
{
    if (!number)
        return;
    appendSingleValues(device, number->SingleValue, kind, description);
    appendValueRanges(device, number->ValueRange, kind, description);
}

// The simple datatype of an array element or record item: its own, or the one its DatatypeRef names.
const SimpleDatatypeT *elementType(const IODeviceT &device, const ChildList<SimpleDatatypeT> &simple,
                                   const ChildList<DatatypeRefT> &reference, QString *datatypeId)
{
    if (simple.size() >= 2)
        return simple.last();
    if (reference.size() < 2)
        return nullptr;
    const DatatypeT *found =
        resolveDatatype(device, device.completionStandardDefinitions(), reference.last()->datatypeId.value);
    if (!found || !found->simplePart)
        return nullptr;
    *datatypeId = found->id.value;
    return found->simplePart.get();
}

// A datatype named by something that is no IODD type (a vendor's typo such as "Ulen"): no value can
// be read or written by it, so the variable is marked unusable with the reason.
void markUnknownType(const QString &typeName, const QString &where, ::Variable &variable)
{
    if (typeName.isEmpty() || valueKindOf(typeName) != ValueKind::Unknown || !variable.invalidReason.isEmpty())
        return;
    variable.invalidReason = QStringLiteral("%1 has the unknown datatype \"%2\"").arg(where, typeName);
}

// Typed values of an item without a default yet: typed, sized and reset.
void prepareItemValues(myRecordItem &item)
{
    item.defaultValue.type = valueKindOf(item.typeName);
    item.defaultValue.bitLength = item.bitLength;
    item.defaultValue.fixedLength = item.fixedLength;
    item.defaultValue.reset();
    item.value = item.defaultValue;
    item.hasDefault = false;
}

QString itemAccessRights(const QString &restriction, ::Variable &variable)
{
    if (!restriction.isEmpty())
        return restriction;
    if (variable.accessRights.isEmpty())
        variable.accessRights = QStringLiteral("rw");
    return variable.accessRights;
}

void fillArrayItems(IODeviceT &device, const ArrayT &array, ::Variable &variable)
{
    QString datatypeId;
    const SimpleDatatypeT *element = elementType(device, array.SimpleDatatype, array.DatatypeRef, &datatypeId);
    if (!element)
        return;
    markUnknownType(element->xsiType.value, QStringLiteral("the array element"), variable);
    myRecordItem prototype;
    device.fillFromSimpleDatatype(element, prototype);
    prototype.datatypeId = datatypeId;
    prototype.typeName = element->xsiType.value;
    prototype.index = variable.index;
    prototype.accessRights = itemAccessRights(QString(), variable);
    prepareItemValues(prototype);

    quint32 count = quint32(qMin<quint64>(IOLinkKlasse::toUnsigned(array.count.value), maxArrayElements + 1));
    if (count > maxArrayElements) {
        qWarning() << Q_FUNC_INFO << "Array count too large, cut to" << maxArrayElements << variable.id;
        count = maxArrayElements;
    }
    const bool packed = array.subindexAccessSupported.value.contains(QLatin1String("false"));
    variable.subindexAccessSupported = !packed;
    const quint32 elementBits = prototype.bitLength ? prototype.bitLength : 8 * prototype.fixedLength;
    variable.recordItems.clear();
    variable.recordItems.reserve(int(count));
    for (quint32 i = 0; i < count; ++i) {
        myRecordItem item = prototype;
        item.subindex = packed ? 0 : i + 1;
        item.bitOffset = packed ? i * elementBits : 0;
        variable.recordItems.append(item);
    }
    variable.bitLength = count * prototype.bitLength;
    variable.fixedLength = count * prototype.fixedLength;
}

void fillRecordItems(IODeviceT &device, const RecordT &record, ::Variable &variable)
{
    variable.subindexAccessSupported = !record.subindexAccessSupported.value.contains(QLatin1String("false"));
    variable.bitLength = quint32(IOLinkKlasse::toUnsigned(record.bitLength.value));
    variable.recordItems.clear();
    for (int i = 1; i < record.RecordItem.size(); ++i) {
        const RecordItemT *source = record.RecordItem.at(i);
        const QString nameTextId = lastOf(source->Name)->textId.value;
        if (nameTextId.toLower().contains(QLatin1String("reserved")))
            continue;
        myRecordItem item;
        item.nameTextId = nameTextId;
        item.name = textOf(device, nameTextId);
        // Position and index hold even when the item's type cannot be resolved.
        item.subindex = quint32(IOLinkKlasse::toUnsigned(source->subindex.value));
        item.bitOffset = quint32(IOLinkKlasse::toUnsigned(source->bitOffset.value));
        item.index = variable.index;
        QString datatypeId;
        if (const SimpleDatatypeT *type = elementType(device, source->SimpleDatatype, source->DatatypeRef, &datatypeId)) {
            device.fillFromSimpleDatatype(type, item);
            item.datatypeId = datatypeId;
            item.typeName = type->xsiType.value;
            prepareItemValues(item);
            markUnknownType(item.typeName, QStringLiteral("record item %1").arg(item.subindex), variable);
        }
        item.descriptionTextId = source->Description.size() >= 2 ? source->Description.last()->textId.value : QString();
        item.description = textOf(device, item.descriptionTextId);
        item.accessRights = itemAccessRights(source->accessRightRestriction.value, variable);
        variable.recordItems.append(item);
    }
}

} // namespace

void IODeviceT::fillFromSimpleDatatype(const SimpleDatatypeT *datatype, TypeDescription &description)
{
    description.fixedLength = 0;
    description.bitLength = 0;
    description.singleValues.clear();
    description.valueRanges.clear();
    if (!datatype)
        return;
    switch (valueKindOf(datatype->xsiType.value)) {
    case ValueKind::Boolean:
        description.bitLength = 1;
        if (const BooleanT *boolean = datatype->typed<BooleanT>())
            appendSingleValues(*this, boolean->SingleValue, ValueKind::Boolean, description);
        break;
    case ValueKind::UInteger:
        if (const UIntegerT *number = datatype->typed<UIntegerT>())
            description.bitLength = quint32(toUnsigned(number->bitLength.value));
        fillNumber(*this, datatype->typed<NumberT>(), ValueKind::UInteger, description);
        break;
    case ValueKind::Integer:
        if (const IntegerT *number = datatype->typed<IntegerT>())
            description.bitLength = quint32(toUnsigned(number->bitLength.value));
        fillNumber(*this, datatype->typed<NumberT>(), ValueKind::Integer, description);
        break;
    case ValueKind::Float32:
        description.bitLength = float32BitLength;
        fillNumber(*this, datatype->typed<NumberT>(), ValueKind::Float32, description);
        break;
    case ValueKind::String:
        if (const StringT *text = datatype->typed<StringT>())
            description.fixedLength = quint32(toUnsigned(text->fixedLength.value));
        break;
    case ValueKind::OctetString:
        if (const OctetStringT *octets = datatype->typed<OctetStringT>())
            description.fixedLength = quint32(toUnsigned(octets->fixedLength.value));
        break;
    default:
        break;
    }
}

void IODeviceT::fillFromComplexDatatype(const ComplexDatatypeT *datatype, ::Variable &variable)
{
    if (!datatype)
        return;
    switch (valueKindOf(datatype->xsiType.value)) {
    case ValueKind::Array:
        if (datatype->arrayPart)
            fillArrayItems(*this, *datatype->arrayPart, variable);
        break;
    case ValueKind::Record:
        if (datatype->recordPart) {
            variable.typeName = datatype->xsiType.value;
            fillRecordItems(*this, *datatype->recordPart, variable);
        }
        break;
    default:
        break;
    }
}
