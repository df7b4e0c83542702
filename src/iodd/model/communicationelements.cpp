#include "communicationelements.h"

WireT::WireT()
{
    declare(color, QStringLiteral("color"));
    declare(function, QStringLiteral("function"));
    declare(Name, QStringLiteral("Name"));
}

ConnectionT::ConnectionT()
{
    declare(connectionSymbol, QStringLiteral("connectionSymbol"));
    declare(ProductRef, QStringLiteral("ProductRef"));
    declare(Description, QStringLiteral("Description"));
    declare(WireX, QStringLiteral("WireX"));
    declare(Wire1, QStringLiteral("Wire1"));
    declare(Wire2, QStringLiteral("Wire2"));
    declare(Wire3, QStringLiteral("Wire3"));
    declare(Wire4, QStringLiteral("Wire4"));
    declare(Wire5, QStringLiteral("Wire5"));
}

IOLinkPhysicalLayerT::IOLinkPhysicalLayerT()
{
    declare(bitrate, QStringLiteral("bitrate"));
    declare(minCycleTime, QStringLiteral("minCycleTime"));
    declare(sioSupported, QStringLiteral("sioSupported"));
    declare(mSequenceCapability, QStringLiteral("mSequenceCapability"));
    declare(Connection, QStringLiteral("Connection"));
}

IOLinkTransportLayersT::IOLinkTransportLayersT()
{
    declare(PhysicalLayer, QStringLiteral("PhysicalLayer"));
}

IOLinkTestConfigT::IOLinkTestConfigT()
{
    declare(index, QStringLiteral("index"));
    declare(testValue, QStringLiteral("testValue"));
}

IOLinkTestEventT::IOLinkTestEventT()
{
    declare(appearValue, QStringLiteral("appearValue"));
    declare(disappearValue, QStringLiteral("disappearValue"));
}

IOLinkTestConfig7T::IOLinkTestConfig7T()
{
    declare(index, QStringLiteral("index"));
    declare(EventTrigger, QStringLiteral("EventTrigger"));
}

IOLinkTestT::IOLinkTestT()
{
    declare(Config1, QStringLiteral("Config1"));
    declare(Config2, QStringLiteral("Config2"));
    declare(Config3, QStringLiteral("Config3"));
    declare(Config7, QStringLiteral("Config7"));
}

IOLinkCommNetworkProfileT::IOLinkCommNetworkProfileT()
{
    declare(iolinkRevision, QStringLiteral("iolinkRevision"));
    declare(compatibleWith, QStringLiteral("compatibleWith"));
    declare(TransportLayers, QStringLiteral("TransportLayers"));
    declare(Test, QStringLiteral("Test"));
}
