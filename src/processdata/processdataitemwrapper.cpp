#include "processdataitemwrapper.h"

#include "core/logcategories.h"
#include "device/conditionwrapper.h"
#include "device/payloadconverter.h"
#include "device/variablewrapper.h"
#include "iodd/model/completionsupport.h"
#include "iodd/model/processdataelements.h"
#include "processdata/recorditemwrapper.h"

#include <QDebug>

using CompletionSupport::lastOf;

ProcessDataItemWrapper::ProcessDataItemWrapper(const ProcessDataItemT *definition, ConditionWrapper *condition,
                                               bool isOutput, QObject *parent)
    : QObject(parent)
    , definition(definition)
    , condition(condition)
    , output(isOutput)
{
    if (!definition) {
        qCritical() << Q_FUNC_INFO << "process data item is null";
        return;
    }
    bitLength = quint32(qMax<qint64>(0, IOLinkKlasse::toInteger(definition->bitLength.value)));
    const TextRefT *nameRef = lastOf(definition->Name);
    const QString nameTextId = nameRef ? nameRef->textId.value : QString();
    qCDebug(lcProcessData) << Q_FUNC_INFO << definition->id.value << nameTextId;

    const DatatypeT *datatype = lastOf(definition->Datatype);
    const RecordT *record = datatype && datatype->complexPart ? datatype->complexPart->recordPart.get() : nullptr;
    if (record) {
        for (int i = 1; i < record->RecordItem.size(); ++i) {
            const RecordItemT *recordItem = record->RecordItem.at(i);
            if (!recordItem->subindex.value.isEmpty())
                addRecordItem(new RecordItemWrapper(recordItem, this));
        }
    } else if (datatype && datatype->simplePart) {
        wholeImage = true;
        addRecordItem(new RecordItemWrapper(datatype->simplePart.get(), nameTextId, 0, this));
    } else {
        qWarning() << Q_FUNC_INFO << "no datatype for process data" << definition->id.value;
    }

    if (condition) {
        const VariableWrapper *variable = condition->getVariable();
        qInfo() << "Process data condition. VAR" << (variable ? variable->getId() : QString()) << "value:"
                << condition->getValue();
        connect(condition, &ConditionWrapper::conditionChanged, this,
                &ProcessDataItemWrapper::conditionAppliesChanged);
    }
}

void ProcessDataItemWrapper::addRecordItem(RecordItemWrapper *recordItem)
{
    // An output is defined from the start, before the user sets anything.
    if (output)
        recordItem->setValue(0);
    recordItems.append(recordItem);
}

QString ProcessDataItemWrapper::getId() const
{
    return definition ? definition->id.value : QString();
}

bool ProcessDataItemWrapper::conditionApplies() const
{
    return !condition || condition->applies();
}

RecordItemWrapper *ProcessDataItemWrapper::getRecordItem(int subindex) const
{
    qCDebug(lcProcessData) << Q_FUNC_INFO << subindex;
    for (RecordItemWrapper *recordItem : recordItems) {
        if (recordItem->getSubindex() == subindex)
            return recordItem;
    }
    return nullptr;
}

void ProcessDataItemWrapper::setData(const QByteArray &payload, qint64 duration)
{
    for (RecordItemWrapper *recordItem : recordItems)
        recordItem->setData(payload, duration);
}

bool ProcessDataItemWrapper::getOutputData(QByteArray &out) const
{
    if (!output)
        return false;
    if (bitLength > maxImageBits) {
        qWarning() << Q_FUNC_INFO << "output image too long" << getId() << bitLength;
        return false;
    }
    // Whole octets, also for images of a few bits.
    QByteArray payload(int((bitLength + 7) / 8), '\0');
    for (const RecordItemWrapper *recordItem : recordItems)
        recordItem->writeInto(payload);
    out = payload;
    qCDebug(lcProcessData) << "Data out:" << payload.toHex(' ').constData();
    return true;
}
