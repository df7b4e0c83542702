#include "menuentryfactory.h"

#include "device/variablewrapper.h"
#include "iodd/model/userinterfaceelements.h"
#include "menuentryarraydisplay.h"
#include "menuentrybool.h"
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
const QString readOnly = QStringLiteral("ro");
const QString readWrite = QStringLiteral("rw");

template<class Reference>
int lastButtonValue(const Reference *ref)
{
    return ref->Button.isEmpty() ? 0 : ref->Button.last()->buttonValue.value.trimmed().toInt();
}

bool isWholeNumber(quint32 type)
{
    return type == VariableWrapper::UIntegerType || type == VariableWrapper::IntegerType;
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
    if (access == readWrite) {
        if (singleValues > 1)
            return new MenuEntryVariableSelection(var, 0, parent);
        if (ranges)
            return new MenuEntrySlider(ref, var, units, parent);
        if (type == VariableWrapper::StringType)
            return new MenuEntryTextEdit(var, 0, parent);
        if (type == VariableWrapper::BooleanType)
            return new MenuEntryBool(var, 0, parent);
    }
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

    if (ref->variableId.value == systemCommandId)
        return new MenuEntrySystemCommand(lastButtonValue(ref), var, subindex, parent);
    if (access == readOnly) {
        if (ranges)
            return new MenuEntrySingleDisplay(ref, &item, var, units, parent);
        if (singleValues < 1)
            return new MenuEntrySingleDisplay(ref, &item, var, units, parent);
        return new MenuEntryRecordDisplay(&item, var, subindex, parent);
    }
    if (access == readWrite) {
        if (singleValues > 1)
            return new MenuEntryRecordSelection(&item, var, subindex, parent);
        if (ranges)
            return new MenuEntrySlider(ref, &item, var, units, parent);
        if (type == VariableWrapper::StringType)
            return new MenuEntryTextEdit(var, subindex, parent);
        if (type == VariableWrapper::BooleanType)
            return new MenuEntryBool(var, subindex, parent);
        if (isWholeNumber(type) || type == VariableWrapper::Float32Type)
            return new MenuEntryRecordDisplay(&item, var, subindex, parent);
    }
    qCritical() << __LINE__ << ": UNUSED record:" << var->getVariable()->nameTextId << subindex << item.nameTextId
                << item.typeName << access;
    return nullptr;
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

MenuEntry *MenuEntryFactory::undefinedEntry(const QString &id, QObject *parent)
{
    qDebug() << Q_FUNC_INFO << "Undefined menu entry for" << id;
    auto *entry = new MenuEntryUndefined(parent);
    entry->setId(id);
    return entry;
}

MenuEntry *MenuEntryFactory::makeMenuEntry(const UIVariableRefT *ref, const QList<VariableWrapper *> &variables,
                                           const QList<UnitT *> &units, QObject *parent)
{
    if (!ref || ref->variableId.value.isEmpty()) {
        qDebug() << Q_FUNC_INFO << "Variable ID is empty. Ignoring.";
        return nullptr;
    }
    const QString id = ref->variableId.value;
    VariableWrapper *var = findVariable(variables, id);
    if (!var) {
        qWarning() << __LINE__ << ": !!! entry variable is null" << id;
        return undefinedEntry(id, parent);
    }
    qDebug() << " *** " << var->getVariable()->nameTextId << ": bitlength" << var->getVariable()->bitLength;

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
        qDebug() << Q_FUNC_INFO << "Variable ID is empty for subindex:" << subindex << " Ignoring.";
        return nullptr;
    }
    const QString id = ref->variableId.value;
    VariableWrapper *var = findVariable(variables, id);
    if (!var) {
        qWarning() << __LINE__ << ": !!! entry variable is null for record" << id;
        return undefinedEntry(id, parent);
    }
    const Variable *description = var->getVariable();
    qDebug() << " ***" << description->nameTextId << ": bitlength" << description->bitLength;

    // Several items with one subindex: the last one decides.
    const myRecordItem *match = nullptr;
    for (const myRecordItem &item : description->recordItems) {
        qDebug() << description->nameTextId << description->subindexAccessSupported << item.subindex << item.typeName
                 << item.nameTextId << "var bitlen" << description->bitLength << "bitlen" << item.bitLength
                 << "offset" << item.bitOffset;
        if (item.subindex == subindex)
            match = &item;
    }
    MenuEntry *entry = match ? recordItemEntry(ref, *match, var, subindex, units, parent) : nullptr;
    if (!entry)
        return undefinedEntry(id, parent);
    entry->setId(id);
    var->setReferenced(subindex);
    return entry;
}
