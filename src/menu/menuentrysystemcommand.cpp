#include "menuentrysystemcommand.h"

#include "core/logcategories.h"
#include "device/variablewrapper.h"

#include <QDebug>

namespace {

// Shared by every command button of the application (GUI thread only).
uint sharedMaxNameLength = 0;
QString lastLanguage;
QList<MenuEntrySystemCommand *> commandEntries;

// The standard command that makes the device's LED blink, on the system command index.
constexpr int locateCommand = 175;
constexpr quint32 systemCommandIndex = 2;

} // namespace

MenuEntrySystemCommand::MenuEntrySystemCommand(int buttonValue, VariableWrapper *var, quint32 subindex,
                                               QObject *parent)
    : MenuEntry(parent)
    , buttonValue(buttonValue)
{
    setVariableWrapper(var);
    setSubindex(subindex);
    takeRecordItemName();
    commandEntries.append(this);
    if (!var || !var->getVariable())
        return;
    for (const SingleValueEntry &singleValue : var->getVariable()->singleValues) {
        if (toVariant(singleValue.value).toLongLong() != buttonValue)
            continue;
        nameId = singleValue.textId;
        qCDebug(lcMenu) << "command name" << nameId << "=" << buttonValue;
        raiseMaxNameLength(singleValue.text.length());
        break;
    }
}

MenuEntrySystemCommand::~MenuEntrySystemCommand()
{
    commandEntries.removeAll(this);
    lastLanguage.clear();
    if (sharedMaxNameLength != 0) {
        sharedMaxNameLength = 0;
        notifyAll();
    }
}

QString MenuEntrySystemCommand::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntrySystemCommand.qml");
}

uint MenuEntrySystemCommand::getMaxNameLength()
{
    return sharedMaxNameLength;
}

void MenuEntrySystemCommand::onButtonClicked()
{
    storeAndWrite(buttonValue);
}

void MenuEntrySystemCommand::onLanguageChanged(int textLength, const QString &newLanguage)
{
    uint length = sharedMaxNameLength;
    if (newLanguage != lastLanguage) {
        lastLanguage = newLanguage;
        length = 0;
    }
    if (textLength > 0 && uint(textLength) > length)
        length = uint(textLength);
    if (length == sharedMaxNameLength)
        return;
    sharedMaxNameLength = length;
    notifyAll();
}

void MenuEntrySystemCommand::raiseMaxNameLength(int length)
{
    if (length <= 0 || uint(length) <= sharedMaxNameLength)
        return;
    sharedMaxNameLength = uint(length);
    notifyAll();
}

void MenuEntrySystemCommand::notifyAll()
{
    const QList<MenuEntrySystemCommand *> entries = commandEntries;
    for (MenuEntrySystemCommand *entry : entries)
        emit entry->maxNameLengthChanged();
}

bool MenuEntrySystemCommand::needsConfirmation() const
{
    return !(buttonValue == locateCommand && getIndex() == systemCommandIndex);
}
