#pragma once

#include "iolinkklasse.h"
#include "textelements.h"

class EventDescT : public IOLinkKlasse
{
    IODD_ELEMENT(EventDescT)
public:
    ValueSlot code;
    ValueSlot type;
    ChildList<TextRefT> Name;
    ChildList<TextRefT> Description;
};

class StdEventRefT : public IOLinkKlasse
{
    IODD_ELEMENT(StdEventRefT)
public:
    ValueSlot code;
};

class EventCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(EventCollectionT)
public:
    ChildList<StdEventRefT> StdEventRef;
    ChildList<EventDescT> Event;
};

class ErrorType129T : public IOLinkKlasse
{
    IODD_ELEMENT(ErrorType129T)
public:
    ValueSlot code;
    ValueSlot additionalCode;
    ChildList<TextRefT> Name;
    ChildList<TextRefT> Description;
};

class StdErrorTypeRefT : public IOLinkKlasse
{
    IODD_ELEMENT(StdErrorTypeRefT)
public:
    ValueSlot code;
    ValueSlot additionalCode;
};

class ErrorTypeCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(ErrorTypeCollectionT)
public:
    ChildList<StdErrorTypeRefT> StdErrorTypeRef;
    ChildList<ErrorType129T> ErrorType;
};
