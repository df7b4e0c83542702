#pragma once

#include "iolinkklasse.h"
#include "processdataelements.h"
#include "textelements.h"

class ButtonT : public IOLinkKlasse
{
    IODD_ELEMENT(ButtonT)
public:
    ValueSlot buttonValue;
    ChildList<TextRefT> Description;
    ChildList<TextRefT> ActionStartedMessage;
};

class UIVariableRefT : public IOLinkKlasse
{
    IODD_ELEMENT(UIVariableRefT)
public:
    ValueSlot variableId;
    ValueSlot gradient;
    ValueSlot offset;
    ValueSlot unitCode;
    ValueSlot accessRightRestriction;
    ValueSlot displayFormat;
    ChildList<ButtonT> Button;
};

class UIRecordItemRefT : public IOLinkKlasse
{
    IODD_ELEMENT(UIRecordItemRefT)
public:
    ValueSlot variableId;
    ValueSlot subindex;
    ValueSlot gradient;
    ValueSlot offset;
    ValueSlot unitCode;
    ValueSlot accessRightRestriction;
    ValueSlot displayFormat;
    ChildList<ButtonT> Button;
};

class UIMenuRefT : public IOLinkKlasse
{
    IODD_ELEMENT(UIMenuRefT)
public:
    ValueSlot menuId;
    ChildList<ConditionT> Condition;
};

// The four menu slots of a role menu set.
class UIMenuRefSimpleT : public IOLinkKlasse
{
    IODD_ELEMENT(UIMenuRefSimpleT)
public:
    ValueSlot menuId;
};

class MenuT : public IOLinkKlasse
{
    IODD_ELEMENT(MenuT)
public:
    ValueSlot id;
    ChildList<TextRefT> Name;
    ChildList<UIVariableRefT> VariableRef;
    ChildList<UIRecordItemRefT> RecordItemRef;
    ChildList<UIMenuRefT> MenuRef;
};

class MenuCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(MenuCollectionT)
public:
    ChildList<MenuT> Menu;
};

// ObserverRoleMenuSet, MaintenanceRoleMenuSet and SpecialistRoleMenuSet.
class MenuSetT : public IOLinkKlasse
{
    IODD_ELEMENT(MenuSetT)
public:
    ChildList<UIMenuRefSimpleT> IdentificationMenu;
    ChildList<UIMenuRefSimpleT> ParameterMenu;
    ChildList<UIMenuRefSimpleT> ObservationMenu;
    ChildList<UIMenuRefSimpleT> DiagnosisMenu;
};

class ProcessDataInfoT : public IOLinkKlasse
{
    IODD_ELEMENT(ProcessDataInfoT)
public:
    ValueSlot gradient;
    ValueSlot offset;
    ValueSlot unitCode;
    ValueSlot displayFormat;
};

class ProcessDataRecordItemInfoT : public IOLinkKlasse
{
    IODD_ELEMENT(ProcessDataRecordItemInfoT)
public:
    ValueSlot gradient;
    ValueSlot offset;
    ValueSlot unitCode;
    ValueSlot displayFormat;
    ValueSlot subindex;
};

class ProcessDataRefT : public IOLinkKlasse
{
    IODD_ELEMENT(ProcessDataRefT)
public:
    ValueSlot processDataId;
    ChildList<ProcessDataInfoT> ProcessDataInfo;
    ChildList<ProcessDataRecordItemInfoT> ProcessDataRecordItemInfo;
};

class ProcessDataRefCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(ProcessDataRefCollectionT)
public:
    ChildList<ProcessDataRefT> ProcessDataRef;
};

class UserInterfaceT : public IOLinkKlasse
{
    IODD_ELEMENT(UserInterfaceT)
public:
    ChildList<ProcessDataRefCollectionT> ProcessDataRefCollection;
    ChildList<MenuCollectionT> MenuCollection;
    ChildList<MenuSetT> ObserverRoleMenuSet;
    ChildList<MenuSetT> MaintenanceRoleMenuSet;
    ChildList<MenuSetT> SpecialistRoleMenuSet;
};
