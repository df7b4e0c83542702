#include "menuentrytasks.h"

#include "comm/communicationtask.h"
#include "menuentry.h"

CommunicationTask *MenuEntryTasks::read(const MenuEntry *entry)
{
    return new CommunicationTask(entry ? entry->getVariableWrapper() : nullptr, entry ? entry->getSubindex() : 0u,
                                 CommunicationTask::ReadCommand);
}

CommunicationTask *MenuEntryTasks::write(const MenuEntry *entry, const QByteArray &payload)
{
    return new CommunicationTask(entry ? entry->getVariableWrapper() : nullptr, entry ? entry->getSubindex() : 0u,
                                 CommunicationTask::WriteCommand, payload);
}
