#include "processdataelements.h"

ConditionT::ConditionT()
{
    declare(variableId, QStringLiteral("variableId"));
    declare(subindex, QStringLiteral("subindex"));
    declare(value, QStringLiteral("value"));
}

ProcessDataItemT::ProcessDataItemT()
{
    declare(id, QStringLiteral("id"));
    declare(bitLength, QStringLiteral("bitLength"));
    declare(Name, QStringLiteral("Name"));
    declare(Datatype, QStringLiteral("Datatype"));
    declare(DatatypeRef, QStringLiteral("DatatypeRef"));
}

ProcessDataT::ProcessDataT()
{
    declare(id, QStringLiteral("id"));
    declare(Condition, QStringLiteral("Condition"));
    declare(ProcessDataIn, QStringLiteral("ProcessDataIn"));
    declare(ProcessDataOut, QStringLiteral("ProcessDataOut"));
}

ProcessDataCollectionT::ProcessDataCollectionT()
{
    declare(ProcessData, QStringLiteral("ProcessData"));
}

ProcessDataUnionT::ProcessDataUnionT() = default;

ProcessDataInUnionT::ProcessDataInUnionT() = default;

ProcessDataOutUnionT::ProcessDataOutUnionT() = default;
