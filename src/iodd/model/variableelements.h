#pragma once

#include "datatypeelements.h"
#include "iolinkklasse.h"
#include "textelements.h"
#include "variabledescription.h"

// Common part of the four kinds of variable entries; `variable` holds the completed description.
class AbstractVariableT : public IOLinkKlasse
{
public:
    AbstractVariableT();

    ValueSlot accessRights;
    ValueSlot dynamic;
    ValueSlot modifiesOtherVariables;
    ValueSlot excludedFromDataStorage;
    ChildList<DatatypeT> Datatype;
    ChildList<DatatypeRefT> DatatypeRef;
    ChildList<RecordItemInfoT> RecordItemInfo;
    ChildList<TextRefT> Name;
    ChildList<TextRefT> Description;

    ::Variable variable;
};

class VariableT : public AbstractVariableT
{
    IODD_ELEMENT(VariableT)
public:
    ValueSlot id;
    ValueSlot index;
    ValueSlot defaultValue;
};

class DirectParameterOverlayT : public AbstractVariableT
{
    IODD_ELEMENT(DirectParameterOverlayT)
public:
    ValueSlot id;
};

class StdDirectParameterRefT : public AbstractVariableT
{
    IODD_ELEMENT(StdDirectParameterRefT)
public:
    ValueSlot id;
};

class StdSingleValueRefT : public IOLinkKlasse
{
    IODD_ELEMENT(StdSingleValueRefT)
public:
    ValueSlot value;
};

class StdRecordItemRefT : public IOLinkKlasse
{
    IODD_ELEMENT(StdRecordItemRefT)
public:
    ValueSlot defaultValue;
    ValueSlot subindex;
    ChildList<StdSingleValueRefT> StdSingleValueRef;
    ChildList<SingleValueT> SingleValue;
    ChildList<ValueRangeT> ValueRange;
};

class StdVariableRefT : public AbstractVariableT
{
    IODD_ELEMENT(StdVariableRefT)
public:
    ValueSlot id;
    ValueSlot defaultValue;
    ValueSlot fixedLengthRestriction;
    // Read like the first; completion puts the referenced standard variable's value here.
    ValueSlot stdExcludedFromDataStorage;
    ChildList<StdSingleValueRefT> StdSingleValueRef;
    ChildList<SingleValueT> SingleValue;
    ChildList<ValueRangeT> ValueRange;
    ChildList<StdRecordItemRefT> StdRecordItemRef;
};

// In a product document the four lists hold no prototypes after loading; iterate them from index 0.
class VariableCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(VariableCollectionT)
public:
    ChildList<StdDirectParameterRefT> StdDirectParameterRef;
    ChildList<StdVariableRefT> StdVariableRef;
    ChildList<DirectParameterOverlayT> DirectParameterOverlay;
    ChildList<VariableT> Variable;
};
