#include "menuentryvariableselection.h"

#include "device/variablewrapper.h"

#include <QDebug>

MenuEntryVariableSelection::MenuEntryVariableSelection(VariableWrapper *var, quint32 subindex, QObject *parent)
    : MenuEntryChoice(var, subindex, nullptr, parent)
{
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
    return numberedFromZero ? int(getValue().toLongLong()) : currentPosition();
}

// Positions beyond the list of a non-contiguous numbering take the first value, as nothing else is safe to write.
QVariant MenuEntryVariableSelection::valueAt(int position) const
{
    return numberedFromZero ? QVariant(position) : valueAtPosition(position);
}

void MenuEntryVariableSelection::setCurrentIndex(int position)
{
    setValue(valueAt(position));
}

void MenuEntryVariableSelection::setDataFromUserInput(QVariant data)
{
    storeAndWrite(valueAt(data.toInt()));
}
