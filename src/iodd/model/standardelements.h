#pragma once

#include "documentelements.h"
#include "iolinkklasse.h"
#include "textelements.h"

// Root of a standard-definitions document; its collections sit directly below the root.
class IODDStandardDefinitionsT : public IOLinkKlasse
{
    IODD_ELEMENT(IODDStandardDefinitionsT)
public:
    ChildList<DocumentInfoT> DocumentInfo;
    ChildList<DatatypeCollectionT> DatatypeCollection;
    ChildList<VariableCollectionT> VariableCollection;
    ChildList<ErrorTypeCollectionT> ErrorTypeCollection;
    ChildList<EventCollectionT> EventCollection;
    ChildList<ExternalTextCollectionT> ExternalTextCollection;
    ChildList<StampT> Stamp;
};

class IODDStandardUnitDefinitionsT : public IOLinkKlasse
{
    IODD_ELEMENT(IODDStandardUnitDefinitionsT)
public:
    ChildList<DocumentInfoT> DocumentInfo;
    ChildList<UnitCollectionT> UnitCollection;
    ChildList<ExternalTextCollectionT> ExternalTextCollection;
    ChildList<StampT> Stamp;
};

// A language file; every further file of the same kind adds one Language entry, the last one in use.
class ExternalTextDocumentT : public IOLinkKlasse
{
    IODD_ELEMENT(ExternalTextDocumentT)
public:
    ChildList<DocumentInfoT> DocumentInfo;
    ChildList<PrimaryLanguageT> Language;
    ChildList<StampT> Stamp;
};
