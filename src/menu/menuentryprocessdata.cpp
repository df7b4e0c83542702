#include "menuentryprocessdata.h"

MenuEntryProcessData::MenuEntryProcessData(const QString &variableId, bool isOutput, quint32 subindex,
                                           QObject *parent)
    : MenuEntry(parent)
    , output(isOutput)
{
    setId(variableId);
    setSubindex(subindex);
    setTextId(QString());
}

QString MenuEntryProcessData::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/desktop/MenuEntrySingleDisplay.qml");
}

QVariant MenuEntryProcessData::getValue() const
{
    if (!isNumber(processValue))
        return processValue;
    return getScaling().shown(processValue.toDouble());
}

void MenuEntryProcessData::setProcessValue(const QVariant &raw, const QString &nameTextId, const QString &valueTextId)
{
    if (!nameTextId.isEmpty() && nameTextId != getTextId()) {
        setTextId(nameTextId);
        emit textIdChanged();
    }
    const bool changed = raw != processValue || processValue.userType() != raw.userType()
        || valueTextId != singleValueTextId;
    processValue = raw;
    singleValueTextId = valueTextId;
    if (raw.isValid())
        markValid();
    if (changed)
        emit valueChanged();
}
