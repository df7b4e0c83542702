#pragma once

#include "documentelements.h"
#include "iolinkklasse.h"
#include "textelements.h"

// Read from the numbered wire elements Wire1 to Wire5; "WireX" stays declared for documents that use it.
class WireT : public IOLinkKlasse
{
    IODD_ELEMENT(WireT)
public:
    ValueSlot color;
    ValueSlot function;
    ChildList<TextRefT> Name;
};

class ConnectionT : public IOLinkKlasse
{
    IODD_ELEMENT(ConnectionT)
public:
    ValueSlot connectionSymbol;
    ChildList<ProductRefT> ProductRef;
    ChildList<TextRefT> Description;
    ChildList<WireT> WireX;
    ChildList<WireT> Wire1;
    ChildList<WireT> Wire2;
    ChildList<WireT> Wire3;
    ChildList<WireT> Wire4;
    ChildList<WireT> Wire5;
};

class IOLinkPhysicalLayerT : public IOLinkKlasse
{
    IODD_ELEMENT(IOLinkPhysicalLayerT)
public:
    ValueSlot bitrate;
    ValueSlot minCycleTime;
    ValueSlot sioSupported;
    ValueSlot mSequenceCapability;
    ChildList<ConnectionT> Connection;
};

class IOLinkTransportLayersT : public IOLinkKlasse
{
    IODD_ELEMENT(IOLinkTransportLayersT)
public:
    ChildList<IOLinkPhysicalLayerT> PhysicalLayer;
};

class IOLinkTestConfigT : public IOLinkKlasse
{
    IODD_ELEMENT(IOLinkTestConfigT)
public:
    ValueSlot index;
    ValueSlot testValue;
};

class IOLinkTestEventT : public IOLinkKlasse
{
    IODD_ELEMENT(IOLinkTestEventT)
public:
    ValueSlot appearValue;
    ValueSlot disappearValue;
};

class IOLinkTestConfig7T : public IOLinkKlasse
{
    IODD_ELEMENT(IOLinkTestConfig7T)
public:
    ValueSlot index;
    ChildList<IOLinkTestEventT> EventTrigger;
};

class IOLinkTestT : public IOLinkKlasse
{
    IODD_ELEMENT(IOLinkTestT)
public:
    ChildList<IOLinkTestConfigT> Config1;
    ChildList<IOLinkTestConfigT> Config2;
    ChildList<IOLinkTestConfigT> Config3;
    ChildList<IOLinkTestConfig7T> Config7;
};

// CommNetworkProfile; its xsi:type is not declared and so not read.
class IOLinkCommNetworkProfileT : public IOLinkKlasse
{
    IODD_ELEMENT(IOLinkCommNetworkProfileT)
public:
    ValueSlot iolinkRevision;
    ValueSlot compatibleWith;
    ChildList<IOLinkTransportLayersT> TransportLayers;
    ChildList<IOLinkTestT> Test;
};
