#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "device/variablewrapper.h"

class ConditionT;

// Evaluates an IODD condition (one variable slot equal to a value) against the device's current value,
// again whenever that slot changes. An unread value counts as 0.
class ConditionWrapper : public QObject
{
    Q_OBJECT

public:
    ConditionWrapper(const ConditionT *condition, const QList<VariableWrapper *> &variables,
                     QObject *parent = nullptr);
    ConditionWrapper(const QString &variableId, quint32 subindex, qint32 value,
                     const QList<VariableWrapper *> &variables, QObject *parent = nullptr);

    const ConditionT *getCondition() const { return condition; }
    VariableWrapper *getVariable() const { return variable; }
    quint32 getSubindex() const { return subindex; }
    qint32 getValue() const { return value; }
    // A condition whose variable does not exist never applies.
    bool applies() const { return applying; }

signals:
    void conditionChanged();

public slots:
    void onVariableValueChanged(uint subindex);

private:
    void bind(const QString &variableId, const QList<VariableWrapper *> &variables);

    const ConditionT *condition = nullptr;
    quint32 subindex = 0;
    qint32 value = 0;
    QPointer<VariableWrapper> variable;
    bool applying = false;
};
