#include "menuentryrecordselection.h"

#include "device/variablewrapper.h"

#include <QDebug>

MenuEntryRecordSelection::MenuEntryRecordSelection(const myRecordItem *item, VariableWrapper *var, quint32 subindex,
                                                   QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    setSubindex(subindex);
    if (item) {
        setTextId(item->nameTextId);
        choices = choiceMap(item->singleValues, Q_FUNC_INFO);
    }
    presetFirstChoice(choices);
}

QString MenuEntryRecordSelection::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntryRecordSelection.qml");
}

int MenuEntryRecordSelection::getCurrentIndex() const
{
    const qint64 value = getValue().toLongLong();
    const QList<qint64> keys = choices.keys();
    const int position = keys.indexOf(value);
    if (position >= 0)
        return position;
    qWarning() << Q_FUNC_INFO << getId() << "Value" << value << "not found in keys" << keys;
    return 0;
}

void MenuEntryRecordSelection::setCurrentIndex(int position)
{
    if (choices.isEmpty())
        return;
    const QList<qint64> keys = choices.keys();
    setValue(position >= 0 && position < keys.size() ? keys.at(position) : keys.first());
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
