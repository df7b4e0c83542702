#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class ConditionWrapper;
class ProcessDataItemT;
class ProcessDataItemWrapper;
class ProcessDataT;
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

private:
    void addItems(const QList<ProcessDataItemT *> &entries, bool isOutput);

    const ProcessDataT *definition = nullptr;
    ConditionWrapper *condition = nullptr;
    QList<ProcessDataItemWrapper *> items;
};
