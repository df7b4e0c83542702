#pragma once

#include "iolinkklasse.h"
#include "textelements.h"

class ProcessDataUnionT;

class SingleValueT : public IOLinkKlasse
{
    IODD_ELEMENT(SingleValueT)
public:
    ValueSlot value;
    ChildList<TextRefT> Name;
};

class ValueRangeT : public IOLinkKlasse
{
    IODD_ELEMENT(ValueRangeT)
public:
    ValueSlot lowerValue;
    ValueSlot upperValue;
    ChildList<TextRefT> Name;
};

class DatatypeRefT : public IOLinkKlasse
{
    IODD_ELEMENT(DatatypeRefT)
public:
    ValueSlot datatypeId;
};

// Base of the three number types; declares their value lists.
class NumberT : public IOLinkKlasse
{
public:
    NumberT();

    ChildList<SingleValueT> SingleValue;
    ChildList<ValueRangeT> ValueRange;
};

class UIntegerT : public NumberT
{
    IODD_ELEMENT(UIntegerT)
public:
    ValueSlot bitLength;
};

class IntegerT : public NumberT
{
    IODD_ELEMENT(IntegerT)
public:
    ValueSlot bitLength;
};

class Float32T : public NumberT
{
    IODD_ELEMENT(Float32T)
};

class BooleanT : public IOLinkKlasse
{
    IODD_ELEMENT(BooleanT)
public:
    ChildList<SingleValueT> SingleValue;
};

class StringT : public IOLinkKlasse
{
    IODD_ELEMENT(StringT)
public:
    ValueSlot fixedLength;
    ValueSlot encoding;
};

class OctetStringT : public IOLinkKlasse
{
    IODD_ELEMENT(OctetStringT)
public:
    ValueSlot fixedLength;
};

class TimeT : public IOLinkKlasse
{
    IODD_ELEMENT(TimeT)
};

class TimeSpanT : public IOLinkKlasse
{
    IODD_ELEMENT(TimeSpanT)
};

// SimpleDatatype elements, and the simple part of a Datatype. The typed part is the object that the
// xsi:type names (BooleanT, UIntegerT, ...); it is null when the name matches no simple type.
class SimpleDatatypeT : public IOLinkKlasse
{
    IODD_ELEMENT(SimpleDatatypeT)
public:
    ~SimpleDatatypeT() override;

    // The typed part as the given class, or null: typed<UIntegerT>(), typed<NumberT>() for any number.
    template <class T>
    T *typed() const { return dynamic_cast<T *>(typedPart.get()); }

    ValueSlot xsiType;
    std::unique_ptr<IOLinkKlasse> typedPart;
};

class RecordItemT : public IOLinkKlasse
{
    IODD_ELEMENT(RecordItemT)
public:
    ValueSlot subindex;
    ValueSlot bitOffset;
    ValueSlot accessRightRestriction;
    ChildList<SimpleDatatypeT> SimpleDatatype;
    ChildList<DatatypeRefT> DatatypeRef;
    ChildList<TextRefT> Name;
    ChildList<TextRefT> Description;
};

class ArrayT : public IOLinkKlasse
{
    IODD_ELEMENT(ArrayT)
public:
    ValueSlot count;
    ValueSlot subindexAccessSupported;
    ChildList<SimpleDatatypeT> SimpleDatatype;
    ChildList<DatatypeRefT> DatatypeRef;
};

class RecordT : public IOLinkKlasse
{
    IODD_ELEMENT(RecordT)
public:
    ValueSlot bitLength;
    ValueSlot subindexAccessSupported;
    ChildList<RecordItemT> RecordItem;
};

// The complex part of a Datatype: a record or an array, never both.
class ComplexDatatypeT : public IOLinkKlasse
{
    IODD_ELEMENT(ComplexDatatypeT)
public:
    ~ComplexDatatypeT() override;

    ValueSlot subindexAccessSupported; // never read; the record's or array's own slot counts
    ValueSlot xsiType;
    std::unique_ptr<RecordT> recordPart;
    std::unique_ptr<ArrayT> arrayPart;
};

// Datatype elements. At most one of the three parts is set, by the xsi:type dispatch or by a copy.
class DatatypeT : public IOLinkKlasse
{
    IODD_ELEMENT(DatatypeT)
public:
    ~DatatypeT() override;

    ValueSlot id;
    ValueSlot xsiType;
    std::unique_ptr<SimpleDatatypeT> simplePart;
    std::unique_ptr<ComplexDatatypeT> complexPart;
    std::unique_ptr<ProcessDataUnionT> unionPart;
};

class DatatypeCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(DatatypeCollectionT)
public:
    ChildList<DatatypeT> Datatype;
};

class RecordItemInfoT : public IOLinkKlasse
{
    IODD_ELEMENT(RecordItemInfoT)
public:
    ValueSlot subindex;
    ValueSlot defaultValue;
    ValueSlot modifiesOtherVariables;
    ValueSlot excludedFromDataStorage;
};
