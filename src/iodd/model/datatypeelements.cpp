#include "datatypeelements.h"

#include "processdataelements.h"

SingleValueT::SingleValueT()
{
    declare(value, QStringLiteral("value"));
    declare(Name, QStringLiteral("Name"));
}

ValueRangeT::ValueRangeT()
{
    declare(lowerValue, QStringLiteral("lowerValue"));
    declare(upperValue, QStringLiteral("upperValue"));
    declare(Name, QStringLiteral("Name"));
}

DatatypeRefT::DatatypeRefT()
{
    declare(datatypeId, QStringLiteral("datatypeId"));
}

NumberT::NumberT()
{
    declare(SingleValue, QStringLiteral("SingleValue"));
    declare(ValueRange, QStringLiteral("ValueRange"));
}

UIntegerT::UIntegerT()
{
    declare(bitLength, QStringLiteral("bitLength"));
}

IntegerT::IntegerT()
{
    declare(bitLength, QStringLiteral("bitLength"));
}

Float32T::Float32T() = default;

BooleanT::BooleanT()
{
    declare(SingleValue, QStringLiteral("SingleValue"));
}

StringT::StringT()
{
    declare(fixedLength, QStringLiteral("fixedLength"));
    declare(encoding, QStringLiteral("encoding"));
}

OctetStringT::OctetStringT()
{
    declare(fixedLength, QStringLiteral("fixedLength"));
}

TimeT::TimeT() = default;

TimeSpanT::TimeSpanT() = default;

SimpleDatatypeT::SimpleDatatypeT()
{
    declare(xsiType, QStringLiteral("xsi:type"));
}

SimpleDatatypeT::~SimpleDatatypeT() = default;

RecordItemT::RecordItemT()
{
    declare(subindex, QStringLiteral("subindex"));
    declare(bitOffset, QStringLiteral("bitOffset"));
    declare(accessRightRestriction, QStringLiteral("accessRightRestriction"));
    declare(SimpleDatatype, QStringLiteral("SimpleDatatype"));
    declare(DatatypeRef, QStringLiteral("DatatypeRef"));
    declare(Name, QStringLiteral("Name"));
    declare(Description, QStringLiteral("Description"));
}

ArrayT::ArrayT()
{
    declare(count, QStringLiteral("count"));
    declare(subindexAccessSupported, QStringLiteral("subindexAccessSupported"));
    declare(SimpleDatatype, QStringLiteral("SimpleDatatype"));
    declare(DatatypeRef, QStringLiteral("DatatypeRef"));
}

RecordT::RecordT()
{
    declare(bitLength, QStringLiteral("bitLength"));
    declare(subindexAccessSupported, QStringLiteral("subindexAccessSupported"));
    declare(RecordItem, QStringLiteral("RecordItem"));
}

ComplexDatatypeT::ComplexDatatypeT()
{
    declare(subindexAccessSupported, QStringLiteral("subindexAccessSupported"));
    declare(xsiType, QStringLiteral("xsi:type"));
}

ComplexDatatypeT::~ComplexDatatypeT() = default;

DatatypeT::DatatypeT()
{
    declare(id, QStringLiteral("id"));
    declare(xsiType, QStringLiteral("xsi:type"));
}

DatatypeT::~DatatypeT() = default;

DatatypeCollectionT::DatatypeCollectionT()
{
    declare(Datatype, QStringLiteral("Datatype"));
}

RecordItemInfoT::RecordItemInfoT()
{
    declare(subindex, QStringLiteral("subindex"));
    declare(defaultValue, QStringLiteral("defaultValue"));
    declare(modifiesOtherVariables, QStringLiteral("modifiesOtherVariables"));
    declare(excludedFromDataStorage, QStringLiteral("excludedFromDataStorage"));
}
