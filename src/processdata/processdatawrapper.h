#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class ConditionWrapper;
class ProcessDataItemT;
class ProcessDataItemWrapper;
class ProcessDataT;
class RecordItemWrapper;
class VariableWrapper;

// One ProcessData definition of the device, selected by its optional condition: distributes received
// payloads to its input image and provides the output payload.
class ProcessDataWrapper : public QObject
{
    Q_OBJECT

public:
    ProcessDataWrapper(const ProcessDataT *definition, const QList<VariableWrapper *> &variables,
                       QObject *parent = nullptr);

    void setData(const QByteArray &payload, qint64 duration);
    bool getOutputData(QByteArray &out) const;

    const ProcessDataT *getDefinition() const { return definition; }
    ConditionWrapper *getCondition() const { return condition; }
    bool conditionApplies() const;
    // Output items first, then input items.
    const QList<ProcessDataItemWrapper *> &getItems() const { return items; }
    // The item whose id is `id` (what a ProcessDataRef names), or null.
    ProcessDataItemWrapper *findItem(const QString &id) const;
    // The input (or output) image of this definition, or null.
    ProcessDataItemWrapper *image(bool output) const;

    // The record item at `subindex` of the input (or output) image of the definition whose condition holds
    // now (null when that one lacks it); while none holds, of the first definition that has such an item.
    static RecordItemWrapper *applicableRecordItem(const QList<ProcessDataWrapper *> &definitions, bool output,
                                                   int subindex);
    // The subindexes of the input (or output) record items of all definitions, ascending.
    static QList<int> recordItemSubindexes(const QList<ProcessDataWrapper *> &definitions, bool output);

private:
    void addItems(const QList<ProcessDataItemT *> &entries, bool isOutput);

    const ProcessDataT *definition = nullptr;
    ConditionWrapper *condition = nullptr;
    QList<ProcessDataItemWrapper *> items;
};
