#include "menuentryslider.h"

#include "device/variablewrapper.h"
#include "iodd/model/userinterfaceelements.h"

#include <QDebug>

#include <algorithm>

MenuEntrySlider::MenuEntrySlider(const UIVariableRefT *reference, VariableWrapper *var,
                                 const QList<UnitT *> &units, QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    if (reference) {
        setId(reference->variableId.value);
        applyReference(reference->unitCode.value, reference->gradient.value, reference->displayFormat.value, units);
    }
    setLimits(var ? var->getVariable() : nullptr);
}

MenuEntrySlider::MenuEntrySlider(const UIRecordItemRefT *reference, const myRecordItem *item, VariableWrapper *var,
                                 const QList<UnitT *> &units, QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    if (item) {
        setSubindex(item->subindex);
        setTextId(item->nameTextId);
    }
    if (reference) {
        setId(reference->variableId.value);
        applyReference(reference->unitCode.value, reference->gradient.value, reference->displayFormat.value, units);
    }
    setLimits(item);
}

void MenuEntrySlider::setLimits(const TypeDescription *type)
{
    if (!type || type->valueRanges.isEmpty())
        return;
    const ValueRangeEntry &range = type->valueRanges.last();
    const double first = toVariant(range.lower).toDouble() * getGradient();
    const double second = toVariant(range.upper).toDouble() * getGradient();
    // A negative gradient turns the range around.
    lowerLimit = std::min(first, second);
    upperLimit = std::max(first, second);
}

QString MenuEntrySlider::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntrySlider.qml");
}

void MenuEntrySlider::setDataFromUserInput(QVariant data)
{
    // Only a number may reach the device: text that reads as nothing would be written as 0.
    bool ok = false;
    const double shown = data.toDouble(&ok);
    if (!ok) {
        qCritical() << Q_FUNC_INFO << "not a number" << getId() << data;
        return;
    }
    storeAndWrite(shown);
}
