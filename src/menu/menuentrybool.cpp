#include "menuentrybool.h"

MenuEntryBool::MenuEntryBool(VariableWrapper *var, quint32 subindex, QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    setSubindex(subindex);
    takeRecordItemName();
}

QString MenuEntryBool::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntryBool.qml");
}

void MenuEntryBool::setDataFromUserInput(QVariant data)
{
    storeAndWrite(data.toBool());
}

bool MenuEntryBool::getActValue() const
{
    return getValue().toBool();
}
