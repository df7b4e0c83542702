#pragma once

#include "connection/iolinkdevice.h"
#include "menu/menuentry.h"
#include "menu/menuentryhandler.h"
#include "menu/menuentrysystemcommand.h"

#include <QString>

// The connected device's menu entry for a variable; for a system command, the button with that value.
inline MenuEntry *menuEntryFor(const IOLinkDevice &device, const QString &variableId, int buttonValue = -1)
{
    for (MenuEntry *entry : device.getMenuEntryHandlerObject()->getMenuEntries()) {
        if (entry->getId() != variableId)
            continue;
        auto *command = qobject_cast<MenuEntrySystemCommand *>(entry);
        if (buttonValue < 0 || (command && command->getButtonValue() == buttonValue))
            return entry;
    }
    return nullptr;
}
