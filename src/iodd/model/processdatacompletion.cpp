// Datatype references of process data resolved by copying, so that consumers find an item's
// datatype, record items included, without following any reference.
#include "completionsupport.h"
#include "iodevicet.h"

using namespace CompletionSupport;

namespace {

// An inline record whose items refer to datatypes of the device's collection.
void resolveInlineRecordItems(const ProcessDataItemT *item, const DatatypeCollectionT *own)
{
    const DatatypeT *datatype = lastOf(item->Datatype);
    if (!datatype || valueKindOf(datatype->xsiType.value) != ValueKind::Record || !datatype->complexPart
        || !datatype->complexPart->recordPart)
        return;
    for (RecordItemT *recordItem : datatype->complexPart->recordPart->RecordItem) {
        if (recordItem->DatatypeRef.size() < 2)
            continue;
        const DatatypeT *found = IODeviceT::findDatatype(own, recordItem->DatatypeRef.last()->datatypeId.value);
        if (!found || !found->simplePart)
            continue;
        SimpleDatatypeT *resolved = recordItem->SimpleDatatype.appendOwned(new SimpleDatatypeT);
        resolved->elementName = QStringLiteral("SimpleDatatype");
        IODeviceT::copySimpleDatatype(found->simplePart.get(), resolved);
    }
}

void resolveProcessDataItem(ProcessDataItemT *item, const DatatypeCollectionT *own,
                            const DatatypeCollectionT *standard)
{
    if (item->DatatypeRef.size() < 2) {
        resolveInlineRecordItems(item, own);
        return;
    }
    const QString id = item->DatatypeRef.last()->datatypeId.value;
    const DatatypeCollectionT *collection = own;
    const DatatypeT *found = IODeviceT::findDatatype(own, id);
    if (!found) {
        collection = standard;
        found = IODeviceT::findDatatype(standard, id);
    }
    if (found)
        item->Datatype.appendOwned(IODeviceT::copyDatatype(found, collection));
}

} // namespace

void IODeviceT::resolveProcessDataInputs()
{
    const DeviceFunctionT *function = deviceFunction();
    const ProcessDataCollectionT *collection = function ? lastOf(function->ProcessDataCollection) : nullptr;
    if (!collection)
        return;
    const DatatypeCollectionT *own = lastOf(function->DatatypeCollection);
    const DatatypeCollectionT *standard = standardDefinitions ? lastOf(standardDefinitions->DatatypeCollection) : nullptr;
    for (int i = 1; i < collection->ProcessData.size(); ++i) {
        ProcessDataT *processData = collection->ProcessData.at(i);
        if (processData->ProcessDataIn.size() >= 2)
            resolveProcessDataItem(processData->ProcessDataIn.last(), own, standard);
        // Outputs are resolved like inputs; otherwise an output given by reference has no datatype.
        if (processData->ProcessDataOut.size() >= 2)
            resolveProcessDataItem(processData->ProcessDataOut.last(), own, standard);
    }
}
