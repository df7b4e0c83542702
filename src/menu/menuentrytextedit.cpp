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
    // A record item's text is limited by the item's own length; the record's fixed length is 0.
    const VariableWrapper::Record *slot = var && var->isComplex() ? var->findBySubindex(subindex) : nullptr;
    if (slot)
        maxLength = slot->byteLength != 0 ? slot->byteLength : slot->bitLength / 8;
    else if (var && var->getVariable())
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
