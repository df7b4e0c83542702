#include "communicationtask.h"

#include "menu/menuentry.h"

// A task for a menu entry addresses the entry's variable and subindex; without an entry it addresses nothing.
CommunicationTask::CommunicationTask(MenuEntry *entry, uint command, const QByteArray &data)
    : CommunicationTask(entry ? entry->getVariableWrapper() : nullptr, entry ? entry->getSubindex() : 0u, command,
                        data)
{
}

CommunicationTask::CommunicationTask(MenuEntry *entry, uint command)
    : CommunicationTask(entry, command, QByteArray())
{
}
