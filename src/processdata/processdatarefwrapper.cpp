#include "processdatarefwrapper.h"

#include "core/logcategories.h"
#include "iodd/model/completionsupport.h"
#include "iodd/model/userinterfaceelements.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/processdatarecorditeminfowrapper.h"
#include "processdata/processdatawrapper.h"
#include "processdata/recorditemwrapper.h"

#include <QDebug>

using CompletionSupport::lastOf;

ProcessDataRefWrapper::ProcessDataRefWrapper(const ProcessDataRefT *definition, ProcessDataItemWrapper *item,
                                             QObject *parent)
    : QObject(parent)
    , definition(definition)
    , item(item)
{
    if (!definition || !item) {
        qCritical() << Q_FUNC_INFO << "reference or item is null";
        return;
    }
    connect(item, &ProcessDataItemWrapper::conditionAppliesChanged, this,
            &ProcessDataRefWrapper::onConditionAppliesChanged);

    for (int i = 1; i < definition->ProcessDataRecordItemInfo.size(); ++i) {
        const ProcessDataRecordItemInfoT *info = definition->ProcessDataRecordItemInfo.at(i);
        if (info->subindex.value.isEmpty())
            continue;
        RecordItemWrapper *recordItem = item->getRecordItem(int(IOLinkKlasse::toInteger(info->subindex.value)));
        if (!recordItem) {
            qWarning() << Q_FUNC_INFO << "no record item" << info->subindex.value;
            continue;
        }
        addInfo(new ProcessDataRecordItemInfoWrapper(info, recordItem, item->isOutput(), this));
    }
    // An image of one simple type is shown with the reference's ProcessDataInfo.
    if (recordItemInfos.isEmpty() && item->isWholeImage() && !item->getRecordItems().isEmpty())
        addInfo(new ProcessDataRecordItemInfoWrapper(lastOf(definition->ProcessDataInfo),
                                                     item->getRecordItems().first(), item->isOutput(), this));
}

ProcessDataRefWrapper::ProcessDataRefWrapper(ProcessDataItemWrapper *item, QObject *parent,
                                             const ProcessDataDisplayHints &hints)
    : QObject(parent)
    , item(item)
{
    if (!item) {
        qCritical() << Q_FUNC_INFO << "item is null";
        return;
    }
    connect(item, &ProcessDataItemWrapper::conditionAppliesChanged, this,
            &ProcessDataRefWrapper::onConditionAppliesChanged);
    for (RecordItemWrapper *recordItem : item->getRecordItems()) {
        // Strings and octet strings are not decoded from process data; a row for them would stay empty.
        if (recordItem->getType() == RecordItemWrapper::UnsupportedType)
            continue;
        const ProcessDataDisplayHints::Hint *hint = hints.find(item->isOutput(), recordItem->getSubindex());
        addInfo(new ProcessDataRecordItemInfoWrapper(recordItem, item->isOutput(), hint, this));
    }
}

QList<ProcessDataRefWrapper *> ProcessDataRefWrapper::forEveryImage(const QList<ProcessDataWrapper *> &processDatas,
                                                                    QObject *parent,
                                                                    const ProcessDataDisplayHints &hints)
{
    QList<ProcessDataRefWrapper *> refs;
    for (const bool outputs : { false, true }) {
        for (const ProcessDataWrapper *processData : processDatas) {
            for (ProcessDataItemWrapper *item : processData->getItems()) {
                if (item->isOutput() != outputs)
                    continue;
                auto *ref = new ProcessDataRefWrapper(item, parent, hints);
                if (ref->getInfos().isEmpty())
                    delete ref;
                else
                    refs.append(ref);
            }
        }
    }
    return refs;
}

void ProcessDataRefWrapper::addInfo(ProcessDataRecordItemInfoWrapper *info)
{
    connect(this, &ProcessDataRefWrapper::runningChanged, info, &ProcessDataRecordItemInfoWrapper::onRunningChanged);
    recordItemInfos.append(info);
}

bool ProcessDataRefWrapper::conditionApplies() const
{
    return item && item->conditionApplies();
}

void ProcessDataRefWrapper::onConditionAppliesChanged()
{
    qCDebug(lcProcessData) << Q_FUNC_INFO << "void ProcessDataRefWrapper::clear()";
    for (ProcessDataRecordItemInfoWrapper *info : qAsConst(recordItemInfos))
        info->resetChart();
    emit conditionAppliesChanged();
}

void ProcessDataRefWrapper::clear()
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
    for (ProcessDataRecordItemInfoWrapper *info : qAsConst(recordItemInfos))
        info->resetChart();
}

QList<QObject *> ProcessDataRefWrapper::getRecordItemInfos() const
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
    QList<QObject *> objects;
    objects.reserve(recordItemInfos.size());
    for (ProcessDataRecordItemInfoWrapper *info : recordItemInfos)
        objects.append(info);
    return objects;
}

void ProcessDataRefWrapper::setClock(const ProcessDataClock::Function &clock)
{
    for (ProcessDataRecordItemInfoWrapper *info : qAsConst(recordItemInfos))
        info->setClock(clock);
}
