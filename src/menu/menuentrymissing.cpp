#include "menuentrymissing.h"

MenuEntryMissing::MenuEntryMissing(const QString &variableId, quint32 subindex, QObject *parent)
    : MenuEntry(parent)
{
    setId(variableId);
    setSubindex(subindex);
    setTextId(QString());
}

QString MenuEntryMissing::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntryMissing.qml");
}
