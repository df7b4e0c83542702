#pragma once

#include <QByteArray>

class CommunicationTask;
class MenuEntry;

// Tasks for a menu entry address the entry's variable and subindex; without an entry they address nothing.
class MenuEntryTasks
{
public:
    static CommunicationTask *read(const MenuEntry *entry);
    static CommunicationTask *write(const MenuEntry *entry, const QByteArray &payload);
};
