#include "menuentryslider.h"

#include "device/variablewrapper.h"
#include "iodd/model/iolinkklasse.h"
#include "iodd/model/userinterfaceelements.h"
#include "iodd/model/variabledescription.h"

#include <QDebug>

#include <algorithm>
#include <cmath>
#include <limits>

MenuEntrySlider::MenuEntrySlider(const UIVariableRefT *reference, VariableWrapper *var,
                                 const QList<UnitT *> &units, QObject *parent)
    : MenuEntryChoice(var, 0, nullptr, parent)
{
    takeReference(reference, units);
    setLimits(var ? var->getVariable() : nullptr);
}

MenuEntrySlider::MenuEntrySlider(const UIRecordItemRefT *reference, const myRecordItem *item, VariableWrapper *var,
                                 const QList<UnitT *> &units, QObject *parent)
    : MenuEntryChoice(var, item ? item->subindex : 0, item, parent)
{
    takeReference(reference, units);
    setLimits(item);
}

// The values a number datatype can hold at all, for numbers that declare no range.
std::pair<double, double> MenuEntrySlider::typeLimits(const TypeDescription &type)
{
    const int bits = int(qBound<quint32>(1, type.bitLength, 64));
    switch (IOLinkKlasse::typeKindOf(type.typeName)) {
    case TypeKind::UInteger:
        return { 0.0, std::ldexp(1.0, bits) - 1.0 };
    case TypeKind::Integer:
        return { -std::ldexp(1.0, bits - 1), std::ldexp(1.0, bits - 1) - 1.0 };
    case TypeKind::Float:
        return { -double(std::numeric_limits<float>::max()), double(std::numeric_limits<float>::max()) };
    default:
        return { 0.0, 0.0 };
    }
}

void MenuEntrySlider::setLimits(const TypeDescription *type)
{
    if (!type)
        return;
    std::pair<double, double> raw = typeLimits(*type);
    if (!type->valueRanges.isEmpty()) {
        const ValueRangeEntry &range = type->valueRanges.last();
        raw = { toVariant(range.lower).toDouble(), toVariant(range.upper).toDouble() };
    }
    const double first = getScaling().shown(raw.first);
    const double second = getScaling().shown(raw.second);
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
