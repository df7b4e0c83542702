#pragma once

#include "communicationelements.h"
#include "documentelements.h"
#include "iolinkklasse.h"
#include "ioddreader.h"
#include "standardelements.h"
#include "textelements.h"
#include "variableelements.h"

#include <QList>
#include <QString>
#include <QVector>

class QDomDocument;

// Which document loadXml reads, and so into which root it goes.
enum class XmlDocumentKind {
    ProductDescription = 0,
    StandardDefinitions = 1,
    StandardUnitDefinitions = 2,
    StandardUnitDefinitionsLanguage = 3,
    StandardDefinitionsLanguage = 4,
    ExtraTexts = 5,
    SecondaryStandardDefinitions = 6
};

// One entry of the event table that the completion builds from the product's events.
struct EventRecord
{
    quint16 code = 0;
    QString type;
    QString nameTextId;
    QString descriptionTextId;
};

// Root of a device description. It also carries the standard-definition documents loaded next to it,
// the language in use and what the completion derives from the tree.
class IODeviceT : public IOLinkKlasse
{
    IODD_ELEMENT(IODeviceT)
public:
    ~IODeviceT() override;

    // Schema version of a device description ("1.0.1", "1.1"), told by its root's namespace; empty for
    // anything else. Cheap: reads no further than the root element.
    static QString schemaVersionOf(const QString &path);
    static QString schemaVersionOfNamespace(const QString &namespaceUri);

    // Reads one XML file into the tree. Missing, malformed or foreign files leave the target as it
    // was and return false; only files refused for their size or nesting are logged (the binding
    // reports what is missing).
    bool loadXml(const QString &path, XmlDocumentKind kind);

    // Text of a text id in `language`, looked up in the extra, product, standard, secondary standard
    // and product primary texts in that order; "failed" when none has it.
    QString translate(const QString &textId) const;
    // Abbreviation of a standard unit code; empty when there is none.
    QString unitAbbreviation(const QString &unitCode) const;

    // Datatypes and their deep copies.
    static DatatypeT *findDatatype(const DatatypeCollectionT *collection, const QString &id);
    static DatatypeT *copyDatatype(const DatatypeT *source, const DatatypeCollectionT *collection);
    static void copySimpleDatatype(const SimpleDatatypeT *source, SimpleDatatypeT *target);
    static void copyComplexDatatype(const ComplexDatatypeT *source, ComplexDatatypeT *target,
                                    const DatatypeCollectionT *collection);
    // Resolves the datatype references of the standard variables by copying from their own collection.
    static void completeStandardDefinitions(IODDStandardDefinitionsT *definitions);
    // 0 or 1 from a boolean datatype value ("true", "false", "1", "0"); anything else is 0 with a warning.
    static int toBooleanValue(const QString &value, const QString &context);

    // Completion of the product's variables (variablecompletion.cpp).
    void completeVariables(const IODDStandardDefinitionsT *standard);
    void completeDirectParameterOverlay(DirectParameterOverlayT *overlay, const IODDStandardDefinitionsT *standard);
    void completeStdDirectParameterRef(StdDirectParameterRefT *reference, const IODDStandardDefinitionsT *standard);
    void completeVariableElement(VariableT *element, const IODDStandardDefinitionsT *standard);
    void completeStdVariableRef(StdVariableRefT *reference, const IODDStandardDefinitionsT *standard);
    void completeVariable(AbstractVariableT *element, const IODDStandardDefinitionsT *standard);
    void fillFromSimpleDatatype(const SimpleDatatypeT *datatype, TypeDescription &description);
    void fillFromComplexDatatype(const ComplexDatatypeT *datatype, ::Variable &variable);

    // Datatype references of process data inputs resolved by copying (processdatacompletion.cpp).
    void resolveProcessDataInputs();

    // Event table (eventtable.cpp).
    void buildEventTable();
    // The first record with this code, or null.
    const EventRecord *findEvent(quint16 code) const;
    // Translated name of the first record with this code; empty when there is none.
    QString eventText(quint16 code) const;

    // The standard definitions the product completes against: the secondary ones, when they were
    // loaded, for documents of schema 1.0.1 (or of document version 1.0.1), otherwise the primary ones.
    // Ids that the secondary ones lack are looked up in the primary ones.
    const IODDStandardDefinitionsT *completionStandardDefinitions() const;

    // The last DeviceFunction of the last ProfileBody: a prototype when the document has none.
    DeviceFunctionT *deviceFunction() const;

    ChildList<DocumentInfoT> DocumentInfo;
    ChildList<ProfileHeaderT> ProfileHeader;
    ChildList<ProfileBodyT> ProfileBody;
    ChildList<IOLinkCommNetworkProfileT> CommNetworkProfile;
    ChildList<ExternalTextCollectionT> ExternalTextCollection;
    ChildList<StampT> Stamp;

    // The standard documents never change, so trees may share them; a shared one is never written, and
    // loadXml adds documents only to a root this tree holds alone.
    std::shared_ptr<const IODDStandardDefinitionsT> standardDefinitions;
    std::shared_ptr<const IODDStandardDefinitionsT> secondaryStandardDefinitions;
    std::shared_ptr<const ExternalTextDocumentT> standardTexts;
    std::unique_ptr<ExternalTextDocumentT> extraTexts;
    std::shared_ptr<const ExternalTextDocumentT> standardUnitTexts;
    std::shared_ptr<const IODDStandardUnitDefinitionsT> standardUnitDefinitions;
    QString filePath;
    QString version;
    QString schemaVersion;
    QVector<EventRecord> eventTable;
    QString language;

    // Filled by the device binding: the completed variables in the order of synchronisation, and
    // the elements they belong to (same order). Neither owns anything.
    QList<::Variable *> variables;
    QList<AbstractVariableT *> variableElements;

private:
    IOLinkKlasse *targetRoot(XmlDocumentKind kind);
    bool readDocument(const QDomDocument &document, IOLinkKlasse *target, bool product);
    void completeProduct();
};
