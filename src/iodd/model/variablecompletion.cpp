// Completion of the product's variables into plain descriptions. Placeholder until the completion
// work lands: it only carries over the ids and indexes.
#include "iodevicet.h"

void IODeviceT::completeVariables(IODDStandardDefinitionsT *standard)
{
    const DeviceFunctionT *function = deviceFunction();
    if (!function || function->VariableCollection.isEmpty())
        return;
    VariableCollectionT *collection = function->VariableCollection.last();
    for (DirectParameterOverlayT *overlay : collection->DirectParameterOverlay)
        completeDirectParameterOverlay(overlay, standard);
    for (StdVariableRefT *reference : collection->StdVariableRef)
        completeStdVariableRef(reference, standard);
    for (VariableT *element : collection->Variable)
        completeVariableElement(element, standard);
    for (StdDirectParameterRefT *reference : collection->StdDirectParameterRef)
        completeStdDirectParameterRef(reference, standard);
}

void IODeviceT::completeDirectParameterOverlay(DirectParameterOverlayT *overlay, IODDStandardDefinitionsT *standard)
{
    overlay->variable.index = 1;
    overlay->variable.id = overlay->id.value;
    completeVariable(overlay, standard);
}

void IODeviceT::completeStdDirectParameterRef(StdDirectParameterRefT *reference, IODDStandardDefinitionsT *standard)
{
    reference->variable.index = 1;
    reference->variable.id = reference->id.value;
    completeVariable(reference, standard);
}

void IODeviceT::completeVariableElement(VariableT *element, IODDStandardDefinitionsT *standard)
{
    element->variable.index = quint16(toUnsigned(element->index.value));
    element->variable.id = element->id.value;
    completeVariable(element, standard);
}

void IODeviceT::completeStdVariableRef(StdVariableRefT *reference, IODDStandardDefinitionsT *standard)
{
    Q_UNUSED(reference)
    Q_UNUSED(standard)
}

void IODeviceT::completeVariable(AbstractVariableT *element, IODDStandardDefinitionsT *standard)
{
    Q_UNUSED(element)
    Q_UNUSED(standard)
}

void IODeviceT::fillFromSimpleDatatype(const SimpleDatatypeT *datatype, TypeDescription &description)
{
    Q_UNUSED(datatype)
    Q_UNUSED(description)
}

void IODeviceT::fillFromComplexDatatype(const ComplexDatatypeT *datatype, ::Variable &variable)
{
    Q_UNUSED(datatype)
    Q_UNUSED(variable)
}
