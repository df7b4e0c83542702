// Finding and deep-copying datatypes, and the completion of standard-definition documents.
#include "iodevicet.h"

#include "completionsupport.h"

#include <QDebug>

using CompletionSupport::lastOf;

namespace {

void copyBase(const IOLinkKlasse *source, IOLinkKlasse *target)
{
    target->elementName = source->elementName;
    target->position = source->position;
}

// Copies the entries after the prototype as new objects; their Name lists are shared.
void copySingleValues(const ChildList<SingleValueT> &source, ChildList<SingleValueT> &target)
{
    for (int i = 1; i < source.size(); ++i) {
        const SingleValueT *from = source.at(i);
        SingleValueT *copy = target.appendOwned(new SingleValueT);
        copyBase(from, copy);
        copy->value = from->value;
        copy->Name = from->Name;
    }
}

void copyValueRanges(const ChildList<ValueRangeT> &source, ChildList<ValueRangeT> &target)
{
    for (int i = 1; i < source.size(); ++i) {
        const ValueRangeT *from = source.at(i);
        ValueRangeT *copy = target.appendOwned(new ValueRangeT);
        copyBase(from, copy);
        copy->lowerValue = from->lowerValue;
        copy->upperValue = from->upperValue;
        copy->Name = from->Name;
    }
}

template <class Number>
void copyNumber(const SimpleDatatypeT *source, SimpleDatatypeT *target, Number *copy)
{
    target->typedPart.reset(copy);
    const NumberT *from = source->typed<NumberT>();
    if (!from)
        return;
    copyBase(from, copy);
    copySingleValues(from->SingleValue, copy->SingleValue);
    copyValueRanges(from->ValueRange, copy->ValueRange);
}

RecordItemT *copyRecordItemBase(const RecordItemT *source, RecordT *target)
{
    RecordItemT *copy = target->RecordItem.appendOwned(new RecordItemT);
    copyBase(source, copy);
    copy->subindex = source->subindex;
    copy->bitOffset = source->bitOffset;
    copy->accessRightRestriction = source->accessRightRestriction;
    copy->Name = source->Name;
    copy->Description = source->Description;
    return copy;
}

void appendSimpleCopy(const SimpleDatatypeT *source, ChildList<SimpleDatatypeT> &target)
{
    SimpleDatatypeT *copy = target.appendOwned(new SimpleDatatypeT);
    copy->elementName = QStringLiteral("SimpleDatatype");
    IODeviceT::copySimpleDatatype(source, copy);
}

} // namespace

DatatypeT *IODeviceT::findDatatype(const DatatypeCollectionT *collection, const QString &id)
{
    if (!collection)
        return nullptr;
    for (int i = 1; i < collection->Datatype.size(); ++i) {
        if (collection->Datatype.at(i)->id.value == id)
            return collection->Datatype.at(i);
    }
    return nullptr;
}

DatatypeT *IODeviceT::copyDatatype(const DatatypeT *source, const DatatypeCollectionT *collection)
{
    auto *copy = new DatatypeT;
    copy->elementName = source->elementName;
    copy->xsiType = source->xsiType;
    if (source->simplePart) {
        copy->simplePart.reset(new SimpleDatatypeT);
        copySimpleDatatype(source->simplePart.get(), copy->simplePart.get());
    }
    if (source->complexPart) {
        copy->complexPart.reset(new ComplexDatatypeT);
        copyComplexDatatype(source->complexPart.get(), copy->complexPart.get(), collection);
    }
    return copy;
}

void IODeviceT::copySimpleDatatype(const SimpleDatatypeT *source, SimpleDatatypeT *target)
{
    if (!source || !target || source == target)
        return;
    target->xsiType = source->xsiType;
    switch (valueKindOf(source->xsiType.value)) {
    case ValueKind::Boolean: {
        auto *copy = new BooleanT;
        target->typedPart.reset(copy);
        if (const BooleanT *from = source->typed<BooleanT>()) {
            copyBase(from, copy);
            copySingleValues(from->SingleValue, copy->SingleValue);
        }
        break;
    }
    case ValueKind::UInteger: {
        auto *copy = new UIntegerT;
        copyNumber(source, target, copy);
        if (const UIntegerT *from = source->typed<UIntegerT>())
            copy->bitLength = from->bitLength;
        break;
    }
    case ValueKind::Integer: {
        auto *copy = new IntegerT;
        copyNumber(source, target, copy);
        if (const IntegerT *from = source->typed<IntegerT>())
            copy->bitLength = from->bitLength;
        break;
    }
    case ValueKind::Float32:
        copyNumber(source, target, new Float32T);
        break;
    case ValueKind::String: {
        auto *copy = new StringT;
        target->typedPart.reset(copy);
        if (const StringT *from = source->typed<StringT>()) {
            copyBase(from, copy);
            copy->fixedLength = from->fixedLength;
            copy->encoding = from->encoding;
        }
        break;
    }
    case ValueKind::OctetString: {
        auto *copy = new OctetStringT;
        target->typedPart.reset(copy);
        if (const OctetStringT *from = source->typed<OctetStringT>()) {
            copyBase(from, copy);
            copy->fixedLength = from->fixedLength;
        }
        break;
    }
    case ValueKind::Time:
        target->typedPart.reset(new TimeT);
        break;
    case ValueKind::TimeSpan:
        target->typedPart.reset(new TimeSpanT);
        break;
    default:
        target->typedPart.reset();
        break;
    }
}

void IODeviceT::copyComplexDatatype(const ComplexDatatypeT *source, ComplexDatatypeT *target,
                                    const DatatypeCollectionT *collection)
{
    if (!source || !target || source == target)
        return;
    target->xsiType = source->xsiType;
    switch (valueKindOf(target->xsiType.value)) {
    case ValueKind::Array: {
        target->arrayPart.reset(new ArrayT);
        ArrayT *copy = target->arrayPart.get();
        const ArrayT *from = source->arrayPart.get();
        if (!from)
            break;
        copyBase(from, copy);
        copy->count = from->count;
        if (from->SimpleDatatype.size() >= 2)
            appendSimpleCopy(from->SimpleDatatype.last(), copy->SimpleDatatype);
        break;
    }
    case ValueKind::Record: {
        target->recordPart.reset(new RecordT);
        RecordT *copy = target->recordPart.get();
        const RecordT *from = source->recordPart.get();
        if (!from)
            break;
        copyBase(from, copy);
        copy->bitLength = from->bitLength;
        // References inside records are resolved here, so a copied record never holds one.
        for (const RecordItemT *item : from->RecordItem) {
            if (item->DatatypeRef.size() == 2) {
                const DatatypeT *found = findDatatype(collection, item->DatatypeRef.last()->datatypeId.value);
                if (!found)
                    continue;
                RecordItemT *itemCopy = copyRecordItemBase(item, copy);
                appendSimpleCopy(found->simplePart.get(), itemCopy->SimpleDatatype);
            } else if (item->SimpleDatatype.size() >= 2) {
                RecordItemT *itemCopy = copyRecordItemBase(item, copy);
                appendSimpleCopy(item->SimpleDatatype.last(), itemCopy->SimpleDatatype);
            }
        }
        break;
    }
    default:
        break;
    }
}

void IODeviceT::completeStandardDefinitions(IODDStandardDefinitionsT *definitions)
{
    if (!definitions)
        return;
    const DatatypeCollectionT *datatypes = lastOf(definitions->DatatypeCollection);
    const VariableCollectionT *variables = lastOf(definitions->VariableCollection);
    if (!variables)
        return;
    for (int i = 1; i < variables->Variable.size(); ++i) {
        VariableT *variable = variables->Variable.at(i);
        const DatatypeT *datatype = lastOf(variable->Datatype);
        if (datatype && datatype->complexPart) {
            const RecordT *record = datatype->complexPart->recordPart.get();
            if (!record)
                continue;
            for (RecordItemT *item : record->RecordItem) {
                if (item->DatatypeRef.size() != 2)
                    continue;
                const DatatypeT *found = findDatatype(datatypes, item->DatatypeRef.last()->datatypeId.value);
                if (found && found->simplePart) {
                    SimpleDatatypeT *resolved = item->SimpleDatatype.appendOwned(new SimpleDatatypeT);
                    resolved->elementName = QStringLiteral("SimpleDatatype");
                    resolved->xsiType = found->xsiType;
                    copySimpleDatatype(found->simplePart.get(), resolved);
                }
            }
        } else if (variable->DatatypeRef.size() == 2) {
            const DatatypeT *found = findDatatype(datatypes, variable->DatatypeRef.last()->datatypeId.value);
            if (found)
                variable->Datatype.appendOwned(copyDatatype(found, datatypes));
        }
    }
}

int IODeviceT::toBooleanValue(const QString &value, const QString &context)
{
    if (value.isEmpty() && context.isEmpty())
        return 0;
    const QString lower = value.toLower();
    if (lower == QLatin1String("false"))
        return 0;
    if (lower == QLatin1String("true"))
        return 1;
    bool ok = false;
    const qlonglong number = lower.toLongLong(&ok, 10);
    if (!ok) {
        qWarning().noquote() << "WARNING: Can't convert boolean string to integer:" << context << value;
        return 0;
    }
    if (number == 1)
        return 1;
    if (number != 0)
        qWarning().noquote() << "WARNING: Unknown boolean value:" << context << value;
    return 0;
}
