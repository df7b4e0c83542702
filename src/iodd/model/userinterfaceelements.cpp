#include "userinterfaceelements.h"

ButtonT::ButtonT()
{
    declare(buttonValue, QStringLiteral("buttonValue"));
    declare(Description, QStringLiteral("Description"));
    declare(ActionStartedMessage, QStringLiteral("ActionStartedMessage"));
}

UIVariableRefT::UIVariableRefT()
{
    declare(variableId, QStringLiteral("variableId"));
    declare(gradient, QStringLiteral("gradient"));
    declare(offset, QStringLiteral("offset"));
    declare(unitCode, QStringLiteral("unitCode"));
    declare(accessRightRestriction, QStringLiteral("accessRightRestriction"));
    declare(displayFormat, QStringLiteral("displayFormat"));
    declare(Button, QStringLiteral("Button"));
}

UIRecordItemRefT::UIRecordItemRefT()
{
    declare(variableId, QStringLiteral("variableId"));
    declare(subindex, QStringLiteral("subindex"));
    declare(gradient, QStringLiteral("gradient"));
    declare(offset, QStringLiteral("offset"));
    declare(unitCode, QStringLiteral("unitCode"));
    declare(accessRightRestriction, QStringLiteral("accessRightRestriction"));
    declare(displayFormat, QStringLiteral("displayFormat"));
    declare(Button, QStringLiteral("Button"));
}

UIMenuRefT::UIMenuRefT()
{
    declare(menuId, QStringLiteral("menuId"));
    declare(Condition, QStringLiteral("Condition"));
}

UIMenuRefSimpleT::UIMenuRefSimpleT()
{
    declare(menuId, QStringLiteral("menuId"));
}

MenuT::MenuT()
{
    declare(id, QStringLiteral("id"));
    declare(Name, QStringLiteral("Name"));
    declare(VariableRef, QStringLiteral("VariableRef"));
    declare(RecordItemRef, QStringLiteral("RecordItemRef"));
    declare(MenuRef, QStringLiteral("MenuRef"));
}

MenuCollectionT::MenuCollectionT()
{
    declare(Menu, QStringLiteral("Menu"));
}

MenuSetT::MenuSetT()
{
    declare(IdentificationMenu, QStringLiteral("IdentificationMenu"));
    declare(ParameterMenu, QStringLiteral("ParameterMenu"));
    declare(ObservationMenu, QStringLiteral("ObservationMenu"));
    declare(DiagnosisMenu, QStringLiteral("DiagnosisMenu"));
}

ProcessDataInfoT::ProcessDataInfoT()
{
    declare(gradient, QStringLiteral("gradient"));
    declare(offset, QStringLiteral("offset"));
    declare(unitCode, QStringLiteral("unitCode"));
    declare(displayFormat, QStringLiteral("displayFormat"));
}

ProcessDataRecordItemInfoT::ProcessDataRecordItemInfoT()
{
    declare(gradient, QStringLiteral("gradient"));
    declare(offset, QStringLiteral("offset"));
    declare(unitCode, QStringLiteral("unitCode"));
    declare(displayFormat, QStringLiteral("displayFormat"));
    declare(subindex, QStringLiteral("subindex"));
}

ProcessDataRefT::ProcessDataRefT()
{
    declare(processDataId, QStringLiteral("processDataId"));
    declare(ProcessDataInfo, QStringLiteral("ProcessDataInfo"));
    declare(ProcessDataRecordItemInfo, QStringLiteral("ProcessDataRecordItemInfo"));
}

ProcessDataRefCollectionT::ProcessDataRefCollectionT()
{
    declare(ProcessDataRef, QStringLiteral("ProcessDataRef"));
}

UserInterfaceT::UserInterfaceT()
{
    declare(ProcessDataRefCollection, QStringLiteral("ProcessDataRefCollection"));
    declare(MenuCollection, QStringLiteral("MenuCollection"));
    declare(ObserverRoleMenuSet, QStringLiteral("ObserverRoleMenuSet"));
    declare(MaintenanceRoleMenuSet, QStringLiteral("MaintenanceRoleMenuSet"));
    declare(SpecialistRoleMenuSet, QStringLiteral("SpecialistRoleMenuSet"));
}
