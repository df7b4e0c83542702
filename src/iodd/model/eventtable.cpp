// The event table of the product: its own events first, then its references to standard events.
#include "completionsupport.h"
#include "iodevicet.h"

using namespace CompletionSupport;

namespace {

EventRecord recordOf(const EventDescT *event)
{
    EventRecord record;
    record.code = quint16(IOLinkKlasse::toUnsigned(event->code.value));
    record.type = event->type.value;
    record.nameTextId = lastOf(event->Name)->textId.value;
    record.descriptionTextId = lastOf(event->Description)->textId.value;
    return record;
}

// Every entry counts, the prototype included: its empty code never equals a real one.
const EventDescT *findStandardEvent(const EventCollectionT *events, quint16 code)
{
    if (!events)
        return nullptr;
    for (const EventDescT *event : events->Event) {
        if (IOLinkKlasse::toUnsigned(event->code.value) == code && !event->code.value.isEmpty())
            return event;
    }
    return nullptr;
}

} // namespace

void IODeviceT::buildEventTable()
{
    eventTable.clear();
    const DeviceFunctionT *function = deviceFunction();
    const EventCollectionT *events = function ? lastOf(function->EventCollection) : nullptr;
    if (!events)
        return;
    for (int i = 1; i < events->Event.size(); ++i)
        eventTable.append(recordOf(events->Event.at(i)));

    const EventCollectionT *standardEvents = standardDefinitions ? lastOf(standardDefinitions->EventCollection) : nullptr;
    for (int i = 1; i < events->StdEventRef.size(); ++i) {
        EventRecord record;
        record.code = quint16(toUnsigned(events->StdEventRef.at(i)->code.value));
        if (const EventDescT *definition = findStandardEvent(standardEvents, record.code)) {
            record.type = definition->type.value;
            record.nameTextId = lastOf(definition->Name)->textId.value;
            record.descriptionTextId = lastOf(definition->Description)->textId.value;
        }
        eventTable.append(record);
    }
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
