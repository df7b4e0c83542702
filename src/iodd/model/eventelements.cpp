#include "eventelements.h"

EventDescT::EventDescT()
{
    declare(code, QStringLiteral("code"));
    declare(type, QStringLiteral("type"));
    declare(Name, QStringLiteral("Name"));
    declare(Description, QStringLiteral("Description"));
}

StdEventRefT::StdEventRefT()
{
    declare(code, QStringLiteral("code"));
}

EventCollectionT::EventCollectionT()
{
    declare(StdEventRef, QStringLiteral("StdEventRef"));
    declare(Event, QStringLiteral("Event"));
}

ErrorType129T::ErrorType129T()
{
    declare(code, QStringLiteral("code"));
    declare(additionalCode, QStringLiteral("additionalCode"));
    declare(Name, QStringLiteral("Name"));
    declare(Description, QStringLiteral("Description"));
}

StdErrorTypeRefT::StdErrorTypeRefT()
{
    declare(code, QStringLiteral("code"));
    declare(additionalCode, QStringLiteral("additionalCode"));
}

ErrorTypeCollectionT::ErrorTypeCollectionT()
{
    declare(StdErrorTypeRef, QStringLiteral("StdErrorTypeRef"));
    declare(ErrorType, QStringLiteral("ErrorType"));
}
