#include "menuentryvariableselection.h"

#include "device/variablewrapper.h"

#include <QDebug>

MenuEntryVariableSelection::MenuEntryVariableSelection(VariableWrapper *var, quint32 subindex, QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    setSubindex(subindex);
    if (var && var->getVariable())
        choices = choiceMap(var->getVariable()->singleValues, Q_FUNC_INFO);
    qint64 expected = 0;
    for (auto it = choices.constBegin(); it != choices.constEnd(); ++it, ++expected) {
        if (it.key() != expected) {
            numberedFromZero = false;
            break;
        }
    }
    presetFirstChoice(choices);
}

QString MenuEntryVariableSelection::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntryRecordSelection.qml");
}

int MenuEntryVariableSelection::getCurrentIndex() const
{
    const qint64 value = getValue().toLongLong();
    if (numberedFromZero)
        return int(value);
    const QList<qint64> keys = choices.keys();
    const int position = keys.indexOf(value);
    if (position >= 0)
        return position;
    qWarning() << Q_FUNC_INFO << getId() << "Value" << value << "not found in keys" << keys;
    return 0;
}

// Positions beyond the list of a non-contiguous numbering take the first value, as nothing else is safe to write.
QVariant MenuEntryVariableSelection::valueAt(int position) const
{
    if (numberedFromZero)
        return position;
    const QList<qint64> keys = choices.keys();
    return position >= 0 && position < keys.size() ? keys.at(position) : keys.first();
}

void MenuEntryVariableSelection::setCurrentIndex(int position)
{
    setValue(valueAt(position));
}

void MenuEntryVariableSelection::setDataFromUserInput(QVariant data)
{
    storeAndWrite(valueAt(data.toInt()));
}
