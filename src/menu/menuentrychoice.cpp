#include "menuentrychoice.h"

#include "iodd/model/variabledescription.h"

#include <QDebug>

MenuEntryChoice::MenuEntryChoice(VariableWrapper *var, quint32 subindex, const myRecordItem *item, QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    setSubindex(subindex);
    if (item)
        setTextId(item->nameTextId);
}

void MenuEntryChoice::takeChoices(const QVector<SingleValueEntry> &singleValues, const char *owner)
{
    choices = choiceMap(singleValues, owner);
    presetFirstChoice(choices);
}

int MenuEntryChoice::currentPosition() const
{
    const qint64 value = getValue().toLongLong();
    const QList<qint64> keys = choices.keys();
    const int position = keys.indexOf(value);
    if (position >= 0)
        return position;
    qWarning() << Q_FUNC_INFO << getId() << "Value" << value << "not found in keys" << keys;
    return 0;
}

QVariant MenuEntryChoice::valueAtPosition(int position) const
{
    if (choices.isEmpty())
        return QVariant();
    const QList<qint64> keys = choices.keys();
    return position >= 0 && position < keys.size() ? keys.at(position) : keys.first();
}
