// Completion of the product's variables into plain descriptions: ids, indexes, access rights,
// resolved datatypes, value types, defaults and translated texts.
#include "completionsupport.h"
#include "iodevicet.h"

#include <QDebug>

using namespace CompletionSupport;

namespace {

// The defaultValue attribute of the two variable kinds that have one.
QString defaultTextOf(const AbstractVariableT *element)
{
    if (const auto *variable = dynamic_cast<const VariableT *>(element))
        return variable->defaultValue.value;
    if (const auto *reference = dynamic_cast<const StdVariableRefT *>(element))
        return reference->defaultValue.value;
    return QString();
}

const VariableT *findStandardVariable(const IODDStandardDefinitionsT *standard, const QString &id)
{
    const VariableCollectionT *variables = lastOf(standard->VariableCollection);
    if (!variables)
        return nullptr;
    for (int i = 1; i < variables->Variable.size(); ++i) {
        if (variables->Variable.at(i)->id.value == id)
            return variables->Variable.at(i);
    }
    return nullptr;
}

void applyRecordItemDefault(::Variable &variable, const RecordItemDefaultEntry &entry)
{
    for (myRecordItem &item : variable.recordItems) {
        if (item.subindex != entry.subindex)
            continue;
        setFromIoddText(item.defaultValue, entry.defaultValue, variable.id);
        item.value = item.defaultValue;
        // Every item that got a default keeps its mark, not only the last one.
        item.hasDefault = true;
        return;
    }
}

void applyReferenceValueRanges(const IODeviceT &device, StdVariableRefT *reference)
{
    ::Variable &variable = reference->variable;
    const ValueKind kind = valueKindOf(variable.typeName);
    variable.valueRanges.clear();
    for (int i = 1; i < reference->ValueRange.size(); ++i) {
        const ValueRangeT *range = reference->ValueRange.at(i);
        ValueRangeEntry entry;
        entry.lower.type = entry.upper.type = kind;
        entry.lower.bitLength = entry.upper.bitLength = variable.bitLength;
        setFromIoddText(entry.lower, range->lowerValue.value, variable.id);
        setFromIoddText(entry.upper, range->upperValue.value, variable.id);
        entry.textId = lastOf(range->Name)->textId.value;
        entry.text = textOf(device, entry.textId);
        variable.valueRanges.append(entry);
    }
}

void applyReferenceSingleValues(const IODeviceT &device, StdVariableRefT *reference)
{
    if (reference->SingleValue.size() < 2 && reference->StdSingleValueRef.size() < 2)
        return;
    ::Variable &variable = reference->variable;
    const ValueKind kind = valueKindOf(variable.typeName);

    // The reference names the standard values it keeps; compared as converted values, so that
    // spellings such as "true" and "1" or "08" and "8" match the standard's.
    QStringList kept;
    for (int i = 1; i < reference->StdSingleValueRef.size(); ++i) {
        TypedValue value;
        value.type = kind;
        setFromIoddText(value, reference->StdSingleValueRef.at(i)->value.value, variable.id);
        kept << value.toText();
    }
    QVector<SingleValueEntry> values;
    for (const SingleValueEntry &entry : qAsConst(variable.singleValues)) {
        if (kept.contains(entry.value.toText()))
            values.append(entry);
    }
    for (int i = 1; i < reference->SingleValue.size(); ++i) {
        const SingleValueT *single = reference->SingleValue.at(i);
        SingleValueEntry entry;
        entry.value.type = kind;
        entry.value.bitLength = variable.bitLength;
        setFromIoddText(entry.value, single->value.value, variable.id);
        entry.textId = lastOf(single->Name)->textId.value;
        entry.text = textOf(device, entry.textId);
        values.append(entry);
    }
    variable.singleValues = values;
}

// A device may use fewer elements (or octets) of a standard variable than the standard allows, e.g. 8 entries
// of the detailed device status instead of 64; never more.
void applyFixedLengthRestriction(::Variable &variable, const QString &restrictionText)
{
    const quint32 restriction = quint32(IOLinkKlasse::toUnsigned(restrictionText));
    if (restrictionText.trimmed().isEmpty() || restriction == 0)
        return;
    if (variable.value.type == ValueKind::Array) {
        if (variable.recordItems.isEmpty() || restriction >= quint32(variable.recordItems.size()))
            return;
        variable.recordItems.resize(int(restriction));
        const myRecordItem &element = variable.recordItems.first();
        variable.bitLength = (element.bitLength != 0 ? element.bitLength : 8 * element.fixedLength) * restriction;
        variable.fixedLength = element.fixedLength * restriction;
    } else if (isOctets(variable.value.type)) {
        if (variable.fixedLength == 0 || restriction < variable.fixedLength)
            variable.fixedLength = restriction;
    }
}

} // namespace

void IODeviceT::completeVariables(const IODDStandardDefinitionsT *standard)
{
    const DeviceFunctionT *function = deviceFunction();
    if (!function || function->VariableCollection.isEmpty())
        return;
    VariableCollectionT *collection = function->VariableCollection.last();
    for (DirectParameterOverlayT *overlay : collection->DirectParameterOverlay)
        completeDirectParameterOverlay(overlay, standard);
    for (StdVariableRefT *reference : collection->StdVariableRef)
        completeStdVariableRef(reference, standard);
    for (VariableT *element : collection->Variable)
        completeVariableElement(element, standard);
    for (StdDirectParameterRefT *reference : collection->StdDirectParameterRef)
        completeStdDirectParameterRef(reference, standard);
}

void IODeviceT::completeDirectParameterOverlay(DirectParameterOverlayT *overlay, const IODDStandardDefinitionsT *standard)
{
    overlay->variable.index = 1;
    overlay->variable.id = overlay->id.value;
    completeVariable(overlay, standard);
}

void IODeviceT::completeStdDirectParameterRef(StdDirectParameterRefT *reference, const IODDStandardDefinitionsT *standard)
{
    reference->variable.index = 1;
    reference->variable.id = reference->id.value;
    completeVariable(reference, standard);
}

void IODeviceT::completeVariableElement(VariableT *element, const IODDStandardDefinitionsT *standard)
{
    ::Variable &variable = element->variable;
    variable.index = quint16(toUnsigned(element->index.value));
    variable.id = element->id.value;
    variable.hasDefault = !element->defaultValue.value.isEmpty();
    if (!variable.hasDefault)
        variable.defaultValue.reset();
    completeVariable(element, standard);
}

void IODeviceT::completeStdVariableRef(StdVariableRefT *reference, const IODDStandardDefinitionsT *standard)
{
    if (!standard || reference->id.value.isEmpty())
        return;
    const VariableT *source = findStandardVariable(standard, reference->id.value);
    // Secondary definitions hold only what their schema defines differently.
    if (!source && standardDefinitions && standard != standardDefinitions.get()) {
        standard = standardDefinitions.get();
        source = findStandardVariable(standard, reference->id.value);
    }
    if (!source)
        return;

    ::Variable &variable = reference->variable;
    variable.index = quint16(toUnsigned(source->index.value));
    variable.id = reference->id.value;
    // The standard variable's default is not inherited; only the reference's own counts.
    variable.hasDefault = !reference->defaultValue.value.isEmpty();
    if (!variable.hasDefault)
        variable.defaultValue.reset();

    // Shared, not copied: the standard definitions keep owning these entries.
    reference->Datatype = source->Datatype;
    reference->DatatypeRef = source->DatatypeRef;
    reference->RecordItemInfo = source->RecordItemInfo;
    reference->Name = source->Name;
    reference->accessRights.value = source->accessRights.value;
    reference->dynamic.value = source->dynamic.value;
    reference->modifiesOtherVariables.value = source->modifiesOtherVariables.value;
    reference->stdExcludedFromDataStorage.value = source->excludedFromDataStorage.value;

    completeVariable(reference, standard);
    applyReferenceValueRanges(*this, reference);
    applyReferenceSingleValues(*this, reference);
    applyFixedLengthRestriction(variable, reference->fixedLengthRestriction.value);
}

void IODeviceT::completeVariable(AbstractVariableT *element, const IODDStandardDefinitionsT *standard)
{
    ::Variable &variable = element->variable;
    if (element->accessRights.value.isEmpty())
        element->accessRights.value = QStringLiteral("rw");
    variable.accessRights = element->accessRights.value;
    variable.dynamic = isTrue(element->dynamic);
    variable.modifiesOtherVariables = isTrue(element->modifiesOtherVariables);
    variable.excludedFromDataStorage = isTrue(element->excludedFromDataStorage);

    if (element->DatatypeRef.size() >= 2) {
        DatatypeT *found = resolveDatatype(*this, standard, element->DatatypeRef.last()->datatypeId.value);
        if (found && element->Datatype.size() < 2)
            element->Datatype.appendShared(found);
        else if (found)
            element->Datatype.last() = found;
    }

    const DatatypeT *datatype = lastOf(element->Datatype);
    variable.invalidReason.clear();
    if (datatype && datatype->simplePart)
        fillFromSimpleDatatype(datatype->simplePart.get(), variable);
    else if (datatype && datatype->complexPart)
        fillFromComplexDatatype(datatype->complexPart.get(), variable);
    if (datatype && !datatype->xsiType.value.isEmpty() && valueKindOf(datatype->xsiType.value) == ValueKind::Unknown)
        variable.invalidReason = QStringLiteral("the datatype \"%1\" is unknown").arg(datatype->xsiType.value);
    if (!variable.invalidReason.isEmpty())
        qWarning() << Q_FUNC_INFO << "Unusable variable" << variable.id << ":" << variable.invalidReason;

    variable.datatypeId = datatype ? datatype->id.value : QString();
    variable.typeName = datatype ? datatype->xsiType.value : QString();
    const ValueKind kind = valueKindOf(variable.typeName);
    variable.value.type = variable.defaultValue.type = kind;
    if (kind == ValueKind::Boolean)
        variable.bitLength = 1;

    if (variable.hasDefault)
        setFromIoddText(variable.defaultValue, defaultTextOf(element), variable.id);
    variable.defaultValue.bitLength = variable.bitLength;
    variable.defaultValue.fixedLength = variable.fixedLength;
    variable.value = variable.defaultValue;

    variable.recordItemDefaults.clear();
    for (int i = 1; i < element->RecordItemInfo.size(); ++i) {
        const RecordItemInfoT *info = element->RecordItemInfo.at(i);
        RecordItemDefaultEntry entry;
        entry.subindex = quint32(toUnsigned(info->subindex.value));
        entry.defaultValue = info->defaultValue.value;
        entry.modifiesOtherVariables = isTrue(info->modifiesOtherVariables);
        entry.excludedFromDataStorage = isTrue(info->excludedFromDataStorage);
        variable.recordItemDefaults.append(entry);
        if (!entry.defaultValue.isEmpty())
            applyRecordItemDefault(variable, entry);
    }

    variable.nameTextId = lastOf(element->Name)->textId.value;
    variable.name = textOf(*this, variable.nameTextId);
    variable.descriptionTextId = element->Description.size() >= 2 ? element->Description.last()->textId.value : QString();
    variable.description = textOf(*this, variable.descriptionTextId);
}
