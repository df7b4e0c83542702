// The event table of the product. Placeholder until the completion work lands: the table stays empty.
#include "iodevicet.h"

void IODeviceT::buildEventTable()
{
    eventTable.clear();
}

const EventRecord *IODeviceT::findEvent(quint16 code) const
{
    for (const EventRecord &record : eventTable) {
        if (record.code == code)
            return &record;
    }
    return nullptr;
}

QString IODeviceT::eventText(quint16 code) const
{
    const EventRecord *record = findEvent(code);
    return record ? translate(record->nameTextId) : QString();
}
