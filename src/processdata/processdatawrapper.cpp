#include "processdatawrapper.h"

#include "core/logcategories.h"

// The condition's inline accessors need the complete variable type.
#include "device/variablewrapper.h"

#include "device/conditionwrapper.h"
#include "device/payloadconverter.h"
#include "iodd/model/processdataelements.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/recorditemwrapper.h"

#include <QDebug>

#include <algorithm>

namespace {

QString nameTextIdOf(const ProcessDataItemT *item)
{
    return item->Name.isEmpty() ? QString() : item->Name.last()->textId.value;
}

} // namespace

ProcessDataWrapper::ProcessDataWrapper(const ProcessDataT *definition, const QList<VariableWrapper *> &variables,
                                       QObject *parent)
    : QObject(parent)
    , definition(definition)
{
    if (!definition) {
        qCritical() << Q_FUNC_INFO << "process data is null";
        return;
    }
    qCDebug(lcProcessData) << Q_FUNC_INFO << definition->id.value;
    if (definition->Condition.size() > 1)
        condition = new ConditionWrapper(definition->Condition.last(), variables, this);
    addItems(definition->ProcessDataOut, true);
    addItems(definition->ProcessDataIn, false);
}

void ProcessDataWrapper::addItems(const QList<ProcessDataItemT *> &entries, bool isOutput)
{
    if (entries.size() <= 1)
        return;
    for (int i = 1; i < entries.size(); ++i) {
        const ProcessDataItemT *entry = entries.at(i);
        qInfo() << (isOutput ? "Process Data Out:" : "Process Data In:") << nameTextIdOf(entry);
        if (!entry->id.value.isEmpty())
            items.append(new ProcessDataItemWrapper(entry, condition, isOutput, this));
    }
}

bool ProcessDataWrapper::conditionApplies() const
{
    return !condition || condition->applies();
}

ProcessDataItemWrapper *ProcessDataWrapper::findItem(const QString &id) const
{
    for (ProcessDataItemWrapper *item : items) {
        if (item->getId() == id)
            return item;
    }
    return nullptr;
}

void ProcessDataWrapper::setData(const QByteArray &payload, qint64 duration)
{
    if (!conditionApplies()) {
        qCDebug(lcProcessData) << Q_FUNC_INFO << "condition does not apply";
        return;
    }
    for (ProcessDataItemWrapper *item : items) {
        if (!item->isOutput())
            item->setData(payload, duration);
    }
}

bool ProcessDataWrapper::getOutputData(QByteArray &out) const
{
    for (const ProcessDataItemWrapper *item : items) {
        if (item->getOutputData(out))
            return true;
    }
    return false;
}

ProcessDataItemWrapper *ProcessDataWrapper::image(bool output) const
{
    for (ProcessDataItemWrapper *item : items) {
        if (item->isOutput() == output)
            return item;
    }
    return nullptr;
}

RecordItemWrapper *ProcessDataWrapper::applicableRecordItem(const QList<ProcessDataWrapper *> &definitions,
                                                            bool output, int subindex)
{
    // The definition in force decides, also when it lacks the item; another one's item would show stale data.
    for (const ProcessDataWrapper *definition : definitions) {
        const ProcessDataItemWrapper *item = definition ? definition->image(output) : nullptr;
        if (item && definition->conditionApplies())
            return item->getRecordItem(subindex);
    }
    for (const ProcessDataWrapper *definition : definitions) {
        const ProcessDataItemWrapper *item = definition ? definition->image(output) : nullptr;
        if (RecordItemWrapper *recordItem = item ? item->getRecordItem(subindex) : nullptr)
            return recordItem;
    }
    return nullptr;
}

QList<int> ProcessDataWrapper::recordItemSubindexes(const QList<ProcessDataWrapper *> &definitions, bool output)
{
    QList<int> subindexes;
    for (const ProcessDataWrapper *definition : definitions) {
        const ProcessDataItemWrapper *item = definition ? definition->image(output) : nullptr;
        if (!item)
            continue;
        for (const RecordItemWrapper *recordItem : item->getRecordItems()) {
            if (!subindexes.contains(recordItem->getSubindex()))
                subindexes.append(recordItem->getSubindex());
        }
    }
    std::sort(subindexes.begin(), subindexes.end());
    return subindexes;
}
