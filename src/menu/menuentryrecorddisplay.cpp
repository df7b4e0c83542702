#include "menuentryrecorddisplay.h"

#include "device/variablewrapper.h"

#include <QDebug>

MenuEntryRecordDisplay::MenuEntryRecordDisplay(const myRecordItem *item, VariableWrapper *var, quint32 subindex,
                                               QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    setSubindex(subindex);
    if (item) {
        setTextId(item->nameTextId);
        choices = choiceMap(item->singleValues, Q_FUNC_INFO);
    } else if (var && var->getVariable()) {
        choices = choiceMap(var->getVariable()->singleValues, Q_FUNC_INFO);
    }
    presetFirstChoice(choices);
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
