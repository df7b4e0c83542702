#include "menuentryrecorddisplay.h"

#include "device/variablewrapper.h"
#include "iodd/model/variabledescription.h"

#include <QDebug>

MenuEntryRecordDisplay::MenuEntryRecordDisplay(const myRecordItem *item, VariableWrapper *var, quint32 subindex,
                                               QObject *parent)
    : MenuEntryChoice(var, subindex, item, parent)
{
    if (item)
        takeChoices(item->singleValues, Q_FUNC_INFO);
    else if (var && var->getVariable())
        takeChoices(var->getVariable()->singleValues, Q_FUNC_INFO);
}

QString MenuEntryRecordDisplay::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntryRecordDisplay.qml");
}

QVariant MenuEntryRecordDisplay::getValue() const
{
    const qint64 number = MenuEntry::getValue().toLongLong();
    const auto found = choices.constFind(number);
    if (found != choices.constEnd())
        return found.value();
    qWarning() << Q_FUNC_INFO << getId() << getSubindex() << "bad value number:" << number << "Available entries:"
               << choices;
    return QStringLiteral("undefined");
}

int MenuEntryRecordDisplay::getCurrentValue() const
{
    return int(MenuEntry::getValue().toLongLong());
}
