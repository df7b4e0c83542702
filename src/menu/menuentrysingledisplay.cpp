#include "menuentrysingledisplay.h"

#include "device/variablewrapper.h"
#include "iodd/model/userinterfaceelements.h"

#include <QDebug>

MenuEntrySingleDisplay::MenuEntrySingleDisplay(const UIVariableRefT *reference, VariableWrapper *var,
                                               const QList<UnitT *> &units, QObject *parent)
    : MenuEntryChoice(var, 0, nullptr, parent)
{
    if (!reference)
        qCritical() << Q_FUNC_INFO << "uiVariableRef is null";
    if (!var)
        qCritical() << Q_FUNC_INFO << "variable is null";
    takeReference(reference, units);
    setNames(var ? var->getVariable() : nullptr);
}

MenuEntrySingleDisplay::MenuEntrySingleDisplay(const UIRecordItemRefT *reference, const myRecordItem *item,
                                               VariableWrapper *var, const QList<UnitT *> &units,
                                               QObject *parent)
    : MenuEntryChoice(var, item ? item->subindex : 0, item, parent)
{
    if (!reference)
        qCritical() << Q_FUNC_INFO << "uiRecordItemRef is null";
    if (!var)
        qCritical() << Q_FUNC_INFO << "variable is null";
    takeReference(reference, units);
    setNames(item);
}

void MenuEntrySingleDisplay::setNames(const TypeDescription *type)
{
    if (!type)
        return;
    if (!type->singleValues.isEmpty() && isWholeNumber(type->singleValues.first().value.type))
        names = choiceMap(type->singleValues, Q_FUNC_INFO);
}

QString MenuEntrySingleDisplay::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/desktop/MenuEntrySingleDisplay.qml");
}

QString MenuEntrySingleDisplay::getMobileQmlFileName() const
{
    return QStringLiteral("qrc:/qml/mobile/MenuEntrySingleDisplay.qml");
}

QString MenuEntrySingleDisplay::getSingleValue() const
{
    // Names belong to the device's own numbers, not to the scaled display value.
    const QVariant raw = rawValue();
    if (names.isEmpty() || !raw.isValid())
        return QString();
    bool ok = false;
    const qint64 number = raw.toLongLong(&ok);
    return ok ? names.value(number) : QString();
}
