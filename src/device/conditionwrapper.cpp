#include "conditionwrapper.h"

#include "core/logcategories.h"
#include "device/variablewrapper.h"
#include "iodd/model/processdataelements.h"

#include <QDebug>

ConditionWrapper::ConditionWrapper(const ConditionT *condition, const QList<VariableWrapper *> &variables,
                                   QObject *parent)
    : QObject(parent)
    , condition(condition)
{
    if (!condition) {
        qCritical() << Q_FUNC_INFO << "condition is null";
        return;
    }
    // Unparsable numbers read as 0, like every other number of the description.
    subindex = condition->subindex.value.trimmed().toUInt();
    value = condition->value.value.trimmed().toInt();
    bind(condition->variableId.value, variables);
}

ConditionWrapper::ConditionWrapper(const QString &variableId, quint32 subindex, qint32 value,
                                   const QList<VariableWrapper *> &variables, QObject *parent)
    : QObject(parent)
    , subindex(subindex)
    , value(value)
{
    bind(variableId, variables);
}

void ConditionWrapper::bind(const QString &variableId, const QList<VariableWrapper *> &variables)
{
    for (VariableWrapper *candidate : variables) {
        if (candidate && candidate->getId() == variableId) {
            variable = candidate;
            break;
        }
    }
    if (!variable) {
        qWarning() << Q_FUNC_INFO << "no such variable" << variableId;
        return;
    }
    variable->setReferenced(subindex);
    qInfo() << "Condition VAR" << variable->getId() << "index:" << variable->getIndex() << "subindex:" << subindex
            << "value:" << value;
    connect(variable, &VariableWrapper::valueChanged, this, &ConditionWrapper::onVariableValueChanged);
    onVariableValueChanged(subindex);
}

void ConditionWrapper::onVariableValueChanged(uint changedSubindex)
{
    qCDebug(lcDevice) << Q_FUNC_INFO << changedSubindex;
    if (changedSubindex != subindex || !variable)
        return;

    // The raw value, never scaled for display.
    const QVariant raw = variable->getValue(subindex);
    const qint64 actual = raw.isValid() ? raw.toLongLong() : 0;
    applying = actual == value;
    if (applying)
        qCDebug(lcDevice) << "Condition applies:" << variable->getId() << "subindex" << changedSubindex << "val" << value;
    else
        qCDebug(lcDevice) << "Condition does not apply:" << variable->getId() << "subindex" << changedSubindex << "val"
                          << value << "actual" << actual;
    emit conditionChanged();
}
