#pragma once

#include "datatypeelements.h"
#include "eventelements.h"
#include "iolinkklasse.h"
#include "processdataelements.h"
#include "textelements.h"
#include "userinterfaceelements.h"
#include "variableelements.h"

class DocumentInfoT : public IOLinkKlasse
{
    IODD_ELEMENT(DocumentInfoT)
public:
    ValueSlot version;
    ValueSlot releaseDate;
    ValueSlot copyright;
};

// The profile values are child elements in conforming documents; nothing in the program reads them.
class IOS15745ReferenceT : public IOLinkKlasse
{
    IODD_ELEMENT(IOS15745ReferenceT)
public:
    ValueSlot ISO15745Part;
    ValueSlot ISO15745Edition;
    ValueSlot ProfileTechnology;
};

class ProfileHeaderT : public IOLinkKlasse
{
    IODD_ELEMENT(ProfileHeaderT)
public:
    ValueSlot ProfileIdentification;
    ValueSlot ProfileRevision;
    ValueSlot ProfileName;
    ValueSlot ProfileSource;
    ValueSlot ProfileClassID;
    ChildList<IOS15745ReferenceT> ISO15745Reference;
};

class DeviceVariantT : public IOLinkKlasse
{
    IODD_ELEMENT(DeviceVariantT)
public:
    ValueSlot productId;
    ValueSlot deviceSymbol;
    ValueSlot deviceIcon;
    ChildList<TextRefT> Name;
    ChildList<TextRefT> Description;
    ChildList<TextRefT> ProductName;
    ChildList<TextRefT> ProductText;
};

class DeviceVariantCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(DeviceVariantCollectionT)
public:
    ChildList<DeviceVariantT> DeviceVariant;
};

class DeviceIdentityT : public IOLinkKlasse
{
    IODD_ELEMENT(DeviceIdentityT)
public:
    ValueSlot vendorId;
    ValueSlot vendorName;
    ValueSlot deviceId;
    ValueSlot additionalDeviceIds;
    ValueSlot VendorLogo;
    ChildList<TextRefT> VendorText;
    ChildList<TextRefT> VendorUrl;
    ChildList<TextRefT> DeviceName;
    ChildList<TextRefT> DeviceFamily;
    ChildList<DeviceVariantCollectionT> DeviceVariantCollection;
};

class SupportedAccessLocksT : public IOLinkKlasse
{
    IODD_ELEMENT(SupportedAccessLocksT)
public:
    ValueSlot parameter;
    ValueSlot dataStorage;
    ValueSlot localParameterization;
    ValueSlot localUserInterface;
};

class FeaturesT : public IOLinkKlasse
{
    IODD_ELEMENT(FeaturesT)
public:
    ValueSlot blockParameter;
    ValueSlot dataStorage;
    ValueSlot profileCharacteristic;
    ChildList<SupportedAccessLocksT> SupportedAccessLocks;
};

class DeviceFunctionT : public IOLinkKlasse
{
    IODD_ELEMENT(DeviceFunctionT)
public:
    ChildList<FeaturesT> Features;
    ChildList<DatatypeCollectionT> DatatypeCollection;
    ChildList<VariableCollectionT> VariableCollection;
    ChildList<ProcessDataCollectionT> ProcessDataCollection;
    ChildList<ErrorTypeCollectionT> ErrorTypeCollection;
    ChildList<EventCollectionT> EventCollection;
    ChildList<UserInterfaceT> UserInterface;
};

class ProfileBodyT : public IOLinkKlasse
{
    IODD_ELEMENT(ProfileBodyT)
public:
    ChildList<DeviceIdentityT> DeviceIdentity;
    ChildList<DeviceFunctionT> DeviceFunction;
};

class CheckerT : public IOLinkKlasse
{
    IODD_ELEMENT(CheckerT)
public:
    ValueSlot name;
    ValueSlot version;
};

class StampT : public IOLinkKlasse
{
    IODD_ELEMENT(StampT)
public:
    ValueSlot crc;
    ChildList<CheckerT> Checker;
};

class ProductRefT : public IOLinkKlasse
{
    IODD_ELEMENT(ProductRefT)
public:
    ValueSlot productId;
};
