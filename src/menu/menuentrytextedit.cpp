#include "menuentrytextedit.h"

#include "core/logcategories.h"
#include "device/variablewrapper.h"

#include <QDebug>

MenuEntryTextEdit::MenuEntryTextEdit(VariableWrapper *var, quint32 subindex, QObject *parent)
    : MenuEntry(parent)
{
    setVariableWrapper(var);
    setSubindex(subindex);
    takeRecordItemName();
    // A record item's text is limited by the variable's length, as the device checks the whole variable.
    if (var && var->getVariable())
        maxLength = var->getVariable()->fixedLength;
    qCDebug(lcMenu) << "TextEdit fixed len: " << maxLength;
}

QString MenuEntryTextEdit::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntryTextEdit.qml");
}

void MenuEntryTextEdit::setDataFromUserInput(QVariant data)
{
    storeAndWrite(data.toString());
}

QString MenuEntryTextEdit::getText() const
{
    return getValue().toString();
}

void MenuEntryTextEdit::setText(const QString &text)
{
    setValue(text);
}
