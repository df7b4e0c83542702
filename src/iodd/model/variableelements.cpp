#include "variableelements.h"

AbstractVariableT::AbstractVariableT()
{
    declare(accessRights, QStringLiteral("accessRights"));
    declare(dynamic, QStringLiteral("dynamic"));
    declare(modifiesOtherVariables, QStringLiteral("modifiesOtherVariables"));
    declare(excludedFromDataStorage, QStringLiteral("excludedFromDataStorage"));
    declare(Datatype, QStringLiteral("Datatype"));
    declare(DatatypeRef, QStringLiteral("DatatypeRef"));
    declare(RecordItemInfo, QStringLiteral("RecordItemInfo"));
    declare(Name, QStringLiteral("Name"));
    declare(Description, QStringLiteral("Description"));
}

VariableT::VariableT()
{
    declare(id, QStringLiteral("id"));
    declare(index, QStringLiteral("index"));
    declare(defaultValue, QStringLiteral("defaultValue"));
}

DirectParameterOverlayT::DirectParameterOverlayT()
{
    declare(id, QStringLiteral("id"));
}

StdDirectParameterRefT::StdDirectParameterRefT()
{
    declare(id, QStringLiteral("id"));
}

StdSingleValueRefT::StdSingleValueRefT()
{
    declare(value, QStringLiteral("value"));
}

StdRecordItemRefT::StdRecordItemRefT()
{
    declare(defaultValue, QStringLiteral("defaultValue"));
    declare(subindex, QStringLiteral("subindex"));
    declare(StdSingleValueRef, QStringLiteral("StdSingleValueRef"));
    declare(SingleValue, QStringLiteral("SingleValue"));
    declare(ValueRange, QStringLiteral("ValueRange"));
}

StdVariableRefT::StdVariableRefT()
{
    declare(id, QStringLiteral("id"));
    declare(defaultValue, QStringLiteral("defaultValue"));
    declare(fixedLengthRestriction, QStringLiteral("fixedLengthRestriction"));
    declare(stdExcludedFromDataStorage, QStringLiteral("excludedFromDataStorage"));
    declare(StdSingleValueRef, QStringLiteral("StdSingleValueRef"));
    declare(SingleValue, QStringLiteral("SingleValue"));
    declare(ValueRange, QStringLiteral("ValueRange"));
    declare(StdRecordItemRef, QStringLiteral("StdRecordItemRef"));
}

VariableCollectionT::VariableCollectionT()
{
    declare(StdDirectParameterRef, QStringLiteral("StdDirectParameterRef"));
    declare(StdVariableRef, QStringLiteral("StdVariableRef"));
    declare(DirectParameterOverlay, QStringLiteral("DirectParameterOverlay"));
    declare(Variable, QStringLiteral("Variable"));
}
