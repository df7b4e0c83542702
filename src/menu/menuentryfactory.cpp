#include "menuentryfactory.h"

#include "core/logcategories.h"
#include "device/variablewrapper.h"
#include "iodd/model/userinterfaceelements.h"
#include "menuentryarraydisplay.h"
#include "menuentrybool.h"
#include "menuentrymissing.h"
#include "menuentryprocessdata.h"
#include "menuentryrecordgroup.h"
#include "menuentryrecorddisplay.h"
#include "menuentryrecordselection.h"
#include "menuentrysingledisplay.h"
#include "menuentryslider.h"
#include "menuentrysystemcommand.h"
#include "menuentrytextedit.h"
#include "menuentryundefined.h"
#include "menuentryvariableselection.h"

#include <QDebug>

namespace {

const QString systemCommandId = QStringLiteral("V_SystemCommand");
const QString processDataInputId = QStringLiteral("V_ProcessDataInput");
const QString processDataOutputId = QStringLiteral("V_ProcessDataOutput");
const QString readOnly = QStringLiteral("ro");
const QString readWrite = QStringLiteral("rw");
const QString writeOnly = QStringLiteral("wo");

// A write-only value is entered as a read-write one is; it is only never read back.
bool isEditable(const QString &access)
{
    return access == readWrite || access == writeOnly;
}

template<class Reference>
int lastButtonValue(const Reference *ref)
{
    return ref->Button.isEmpty() ? 0 : ref->Button.last()->buttonValue.value.trimmed().toInt();
}

// Beyond the list's prototype: the reference itself names a button.
template<class Reference>
bool hasButton(const Reference *ref)
{
    return ref->Button.size() >= 2;
}

bool isWholeNumber(quint32 type)
{
    return type == VariableWrapper::UIntegerType || type == VariableWrapper::IntegerType;
}

bool isNumber(quint32 type)
{
    return isWholeNumber(type) || type == VariableWrapper::Float32Type;
}

// A reference that names a button is shown as one, whatever its variable: the device's own commands
// come as buttons on vendor variables too. A read-only one cannot be pressed and is shown as a value.
template<class Reference>
bool isButton(const Reference *ref, const QString &access)
{
    return hasButton(ref) && access != readOnly;
}

MenuEntry *numberEdit(const UIVariableRefT *ref, const myRecordItem *, VariableWrapper *var,
                      const QList<UnitT *> &units, QObject *parent)
{
    return new MenuEntrySlider(ref, var, units, parent);
}

MenuEntry *numberEdit(const UIRecordItemRefT *ref, const myRecordItem *item, VariableWrapper *var,
                      const QList<UnitT *> &units, QObject *parent)
{
    return new MenuEntrySlider(ref, item, var, units, parent);
}

// Views for what the decision tables leave without one: a number without range or choices is edited
// within its datatype's limits; an octet string is edited as text like a string; write-only values
// get the views of read-write ones.
template<class Reference>
MenuEntry *unlistedEntry(const Reference *ref, const QString &access, quint32 type, VariableWrapper *var,
                         const myRecordItem *item, quint32 subindex, const QList<UnitT *> &units, QObject *parent)
{
    if (!isEditable(access))
        return nullptr;
    if (isNumber(type))
        return numberEdit(ref, item, var, units, parent);
    if (type == VariableWrapper::OctetStringType)
        return new MenuEntryTextEdit(var, subindex, parent);
    return nullptr;
}

MenuEntry *recordItemEntry(const UIRecordItemRefT *ref, const myRecordItem &item, VariableWrapper *var,
                           quint32 subindex, const QList<UnitT *> &units, QObject *parent);
MenuEntry *recordGroup(const UIVariableRefT *ref, VariableWrapper *var, const QString &access,
                       const QList<UnitT *> &units, QObject *parent);

// Event lists (an array of octet strings, such as the detailed device status) keep their own view.
bool isEventList(const Variable *description)
{
    return description->typeName.contains(QLatin1String("ArrayT")) && !description->recordItems.isEmpty()
        && description->recordItems.first().value.type == VariableWrapper::OctetStringType;
}

MenuEntry *variableEntry(const UIVariableRefT *ref, VariableWrapper *var, const QList<UnitT *> &units,
                         QObject *parent)
{
    const Variable *description = var->getVariable();
    const QString access = ref->accessRightRestriction.value.isEmpty() ? description->accessRights
                                                                      : ref->accessRightRestriction.value;
    const quint32 type = description->value.type;
    const int singleValues = description->singleValues.size();
    const bool ranges = !description->valueRanges.isEmpty();

    if (ref->variableId.value == systemCommandId)
        return new MenuEntrySystemCommand(lastButtonValue(ref), var, 0, parent);
    if (!description->invalidReason.isEmpty()) {
        qCritical() << __LINE__ << ": UNUSED variable:" << ref->variableId.value << description->typeName << access
                    << description->invalidReason;
        return nullptr;
    }
    if (isButton(ref, access))
        return new MenuEntrySystemCommand(lastButtonValue(ref), var, 0, parent);
    if (VariableWrapper::isTimeType(description->typeName))
        return new MenuEntrySingleDisplay(ref, var, units, parent);
    if (var->isComplex() && !description->recordItems.isEmpty() && !(access == readOnly && isEventList(description)))
        return recordGroup(ref, var, access, units, parent);
    if (access == readOnly) {
        if (ranges)
            return new MenuEntrySingleDisplay(ref, var, units, parent);
        if (singleValues > 1)
            return isWholeNumber(type) ? static_cast<MenuEntry *>(new MenuEntrySingleDisplay(ref, var, units, parent))
                                       : new MenuEntryRecordDisplay(nullptr, var, 0, parent);
        if (description->typeName.contains(QLatin1String("ArrayT")))
            return new MenuEntryArrayDisplay(var, 0, parent);
        return new MenuEntrySingleDisplay(ref, var, units, parent);
    }
    if (isEditable(access)) {
        if (singleValues > 1)
            return new MenuEntryVariableSelection(var, 0, parent);
        if (ranges)
            return new MenuEntrySlider(ref, var, units, parent);
        if (type == VariableWrapper::StringType)
            return new MenuEntryTextEdit(var, 0, parent);
        if (type == VariableWrapper::BooleanType)
            return new MenuEntryBool(var, 0, parent);
    }
    if (MenuEntry *entry = unlistedEntry(ref, access, type, var, nullptr, 0, units, parent))
        return entry;
    qCritical() << __LINE__ << ": UNUSED variable:" << ref->variableId.value << description->typeName << access;
    return nullptr;
}

MenuEntry *recordItemEntry(const UIRecordItemRefT *ref, const myRecordItem &item, VariableWrapper *var,
                           quint32 subindex, const QList<UnitT *> &units, QObject *parent)
{
    const QString access = ref->accessRightRestriction.value.isEmpty() ? item.accessRights
                                                                      : ref->accessRightRestriction.value;
    const quint32 type = item.value.type;
    const int singleValues = item.singleValues.size();
    const bool ranges = !item.valueRanges.isEmpty();

    if (ref->variableId.value == systemCommandId || isButton(ref, access))
        return new MenuEntrySystemCommand(lastButtonValue(ref), var, subindex, parent);
    if (VariableWrapper::isTimeType(item.typeName))
        return new MenuEntrySingleDisplay(ref, &item, var, units, parent);
    if (access == readOnly) {
        if (ranges)
            return new MenuEntrySingleDisplay(ref, &item, var, units, parent);
        if (singleValues < 1)
            return new MenuEntrySingleDisplay(ref, &item, var, units, parent);
        return new MenuEntryRecordDisplay(&item, var, subindex, parent);
    }
    if (isEditable(access)) {
        if (singleValues > 1)
            return new MenuEntryRecordSelection(&item, var, subindex, parent);
        if (ranges)
            return new MenuEntrySlider(ref, &item, var, units, parent);
        if (type == VariableWrapper::StringType)
            return new MenuEntryTextEdit(var, subindex, parent);
        if (type == VariableWrapper::BooleanType)
            return new MenuEntryBool(var, subindex, parent);
    }
    // A read-write number is edited, not shown as a choice among values it may not have.
    if (MenuEntry *entry = unlistedEntry(ref, access, type, var, &item, subindex, units, parent))
        return entry;
    qCritical() << __LINE__ << ": UNUSED record:" << var->getVariable()->nameTextId << subindex << item.nameTextId
                << item.typeName << access;
    return nullptr;
}

// An item's access within a whole reference: a read-only or write-only whole decides, else the item's own.
QString itemAccess(const QString &wholeAccess, const myRecordItem &item)
{
    if (wholeAccess == readOnly || wholeAccess == writeOnly || item.accessRights.isEmpty())
        return wholeAccess;
    return item.accessRights;
}

MenuEntry *recordGroup(const UIVariableRefT *ref, VariableWrapper *var, const QString &access,
                       const QList<UnitT *> &units, QObject *parent)
{
    const Variable *description = var->getVariable();
    const bool array = description->typeName.contains(QLatin1String("Array"));
    auto *group = new MenuEntryRecordGroup(var, parent);
    for (int position = 0; position < description->recordItems.size(); ++position) {
        myRecordItem item = description->recordItems.at(position);
        // Elements are addressed by their number, whether or not the device offers subindex access.
        if (array)
            item.subindex = quint32(position + 1);
        if (item.nameTextId.isEmpty())
            item.nameTextId = description->nameTextId;
        UIRecordItemRefT itemRef;
        itemRef.variableId.value = ref->variableId.value;
        itemRef.subindex.value = QString::number(item.subindex);
        itemRef.accessRightRestriction.value = itemAccess(access, item);
        MenuEntry *entry = recordItemEntry(&itemRef, item, var, item.subindex, units, group);
        if (!entry)
            entry = new MenuEntryUndefined(group);
        entry->setId(ref->variableId.value);
        entry->setSubindex(item.subindex);
        entry->setTextId(item.nameTextId);
        group->addItem(entry);
    }
    return group;
}

// The older schema names them V_ProcessDataIn and V_ProcessDataOut.
bool isProcessDataId(const QString &id)
{
    return id == processDataInputId || id == processDataOutputId || id == QLatin1String("V_ProcessDataIn")
        || id == QLatin1String("V_ProcessDataOut");
}

bool isProcessDataOutputId(const QString &id)
{
    return id == processDataOutputId || id == QLatin1String("V_ProcessDataOut");
}

} // namespace

VariableWrapper *MenuEntryFactory::findVariable(const QList<VariableWrapper *> &variables, const QString &id)
{
    for (VariableWrapper *candidate : variables) {
        if (candidate && candidate->getVariable() && candidate->getId() == id)
            return candidate;
    }
    return nullptr;
}

MenuEntry *MenuEntryFactory::undefinedEntry(const QString &id, QObject *parent, quint32 subindex)
{
    qCDebug(lcMenu) << Q_FUNC_INFO << "Undefined menu entry for" << id;
    auto *entry = new MenuEntryUndefined(parent);
    entry->setId(id);
    // Which part of the variable it stands for, so that a caller can tell what could not be shown.
    entry->setSubindex(subindex);
    return entry;
}

MenuEntry *MenuEntryFactory::makeMenuEntry(const UIVariableRefT *ref, const QList<VariableWrapper *> &variables,
                                           const QList<UnitT *> &units, QObject *parent)
{
    if (!ref || ref->variableId.value.isEmpty()) {
        qCDebug(lcMenu) << Q_FUNC_INFO << "Variable ID is empty. Ignoring.";
        return nullptr;
    }
    const QString id = ref->variableId.value;
    if (isProcessDataId(id)) {
        // The binding fills the group with the items of the process-data definitions.
        auto *group = new MenuEntryRecordGroup(nullptr, parent);
        group->setId(id);
        group->setTextId(QStringLiteral("STD_TN_") + id);
        return group;
    }
    VariableWrapper *var = findVariable(variables, id);
    if (!var) {
        qWarning() << "Menu reference to a variable the description lacks:" << id;
        return new MenuEntryMissing(id, 0, parent);
    }
    qCDebug(lcMenu) << " *** " << var->getVariable()->nameTextId << ": bitlength" << var->getVariable()->bitLength;

    MenuEntry *entry = variableEntry(ref, var, units, parent);
    if (!entry)
        return undefinedEntry(id, parent);
    entry->setId(id);
    var->setReferenced(0);
    return entry;
}

MenuEntry *MenuEntryFactory::makeMenuEntry(const UIRecordItemRefT *ref, const QList<VariableWrapper *> &variables,
                                           const QList<UnitT *> &units, QObject *parent)
{
    if (!ref)
        return nullptr;
    const quint32 subindex = ref->subindex.value.trimmed().toUInt();
    if (ref->variableId.value.isEmpty()) {
        qCDebug(lcMenu) << Q_FUNC_INFO << "Variable ID is empty for subindex:" << subindex << " Ignoring.";
        return nullptr;
    }
    const QString id = ref->variableId.value;
    if (isProcessDataId(id)) {
        auto *entry = new MenuEntryProcessData(id, isProcessDataOutputId(id), subindex, parent);
        entry->applyReference(ref->unitCode.value, LinearScaling::fromTexts(ref->gradient.value, ref->offset.value),
                              ref->displayFormat.value, units);
        return entry;
    }
    VariableWrapper *var = findVariable(variables, id);
    if (!var) {
        qWarning() << "Menu reference to a variable the description lacks:" << id << subindex;
        return new MenuEntryMissing(id, subindex, parent);
    }
    const Variable *description = var->getVariable();
    qCDebug(lcMenu) << " ***" << description->nameTextId << ": bitlength" << description->bitLength;

    // Several items with one subindex: the last one decides.
    const myRecordItem *match = nullptr;
    for (const myRecordItem &item : description->recordItems) {
        qCDebug(lcMenu) << description->nameTextId << description->subindexAccessSupported << item.subindex << item.typeName
                        << item.nameTextId << "var bitlen" << description->bitLength << "bitlen" << item.bitLength
                        << "offset" << item.bitOffset;
        if (item.subindex == subindex)
            match = &item;
    }
    if (!match) {
        qWarning() << "Menu reference to a record item the description lacks:" << id << subindex;
        return new MenuEntryMissing(id, subindex, parent);
    }
    MenuEntry *entry = recordItemEntry(ref, *match, var, subindex, units, parent);
    if (!entry)
        return undefinedEntry(id, parent, subindex);
    entry->setId(id);
    var->setReferenced(subindex);
    return entry;
}
