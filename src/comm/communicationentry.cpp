#include "communicationentry.h"

CommunicationEntry::CommunicationEntry(Command command, const QByteArray &message, Origin origin,
                                       uint index, uint subIndex)
    : command(command)
    , message(message)
    , origin(origin)
    , index(index)
    , subIndex(subIndex)
    , payloadLength(uint(message.size()))
{
}
