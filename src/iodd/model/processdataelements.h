#pragma once

#include "datatypeelements.h"
#include "iolinkklasse.h"
#include "textelements.h"

// Guards a process data definition or a menu reference by the value of a variable.
class ConditionT : public IOLinkKlasse
{
    IODD_ELEMENT(ConditionT)
public:
    ValueSlot variableId;
    ValueSlot subindex;
    ValueSlot value;
};

// ProcessDataIn and ProcessDataOut.
class ProcessDataItemT : public IOLinkKlasse
{
    IODD_ELEMENT(ProcessDataItemT)
public:
    ValueSlot id;
    ValueSlot bitLength;
    ChildList<TextRefT> Name;
    ChildList<DatatypeT> Datatype;
    ChildList<DatatypeRefT> DatatypeRef;
};

class ProcessDataT : public IOLinkKlasse
{
    IODD_ELEMENT(ProcessDataT)
public:
    ValueSlot id;
    ChildList<ConditionT> Condition;
    ChildList<ProcessDataItemT> ProcessDataIn;
    ChildList<ProcessDataItemT> ProcessDataOut;
};

class ProcessDataCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(ProcessDataCollectionT)
public:
    ChildList<ProcessDataT> ProcessData;
};

// The union part of a datatype; it only records that the datatype names a union.
class ProcessDataUnionT : public IOLinkKlasse
{
    IODD_ELEMENT(ProcessDataUnionT)
};

class ProcessDataInUnionT : public ProcessDataUnionT
{
    IODD_ELEMENT(ProcessDataInUnionT)
};

class ProcessDataOutUnionT : public ProcessDataUnionT
{
    IODD_ELEMENT(ProcessDataOutUnionT)
};
