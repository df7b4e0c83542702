#include "menuentryrecordselection.h"

#include "device/variablewrapper.h"
#include "iodd/model/variabledescription.h"

#include <QDebug>

MenuEntryRecordSelection::MenuEntryRecordSelection(const myRecordItem *item, VariableWrapper *var, quint32 subindex,
                                                   QObject *parent)
    : MenuEntryChoice(var, subindex, item, parent)
{
    if (item)
        takeChoices(item->singleValues, Q_FUNC_INFO);
}

QString MenuEntryRecordSelection::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntryRecordSelection.qml");
}

void MenuEntryRecordSelection::setCurrentIndex(int position)
{
    if (!choices.isEmpty())
        setValue(valueAtPosition(position));
}

void MenuEntryRecordSelection::setDataFromUserInput(QVariant data)
{
    if (choices.isEmpty()) {
        qCritical() << Q_FUNC_INFO << "no choices" << getId() << data;
        return;
    }
    setCurrentIndex(data.toInt());
    requestWrite();
}
