#include "standardelements.h"

IODDStandardDefinitionsT::IODDStandardDefinitionsT()
{
    elementName = QStringLiteral("IODDStandardDefinitions");
    declare(DocumentInfo, QStringLiteral("DocumentInfo"));
    declare(DatatypeCollection, QStringLiteral("DatatypeCollection"));
    declare(VariableCollection, QStringLiteral("VariableCollection"));
    declare(ErrorTypeCollection, QStringLiteral("ErrorTypeCollection"));
    declare(EventCollection, QStringLiteral("EventCollection"));
    declare(ExternalTextCollection, QStringLiteral("ExternalTextCollection"));
    declare(Stamp, QStringLiteral("Stamp"));
}

IODDStandardUnitDefinitionsT::IODDStandardUnitDefinitionsT()
{
    elementName = QStringLiteral("IODDStandardUnitDefinitions");
    declare(DocumentInfo, QStringLiteral("DocumentInfo"));
    declare(UnitCollection, QStringLiteral("UnitCollection"));
    declare(ExternalTextCollection, QStringLiteral("ExternalTextCollection"));
    declare(Stamp, QStringLiteral("Stamp"));
}

ExternalTextDocumentT::ExternalTextDocumentT()
{
    elementName = QStringLiteral("ExternalTextDocument");
    declare(DocumentInfo, QStringLiteral("DocumentInfo"));
    declare(Language, QStringLiteral("Language"));
    declare(Stamp, QStringLiteral("Stamp"));
}
