#pragma once

#include "iolinkklasse.h"

#include <QHash>

// Every text reference element (Name, Description, VendorText, ...).
class TextRefT : public IOLinkKlasse
{
    IODD_ELEMENT(TextRefT)
public:
    ValueSlot textId;
};

// Text and TextRedefine.
class TextDefinitionT : public IOLinkKlasse
{
    IODD_ELEMENT(TextDefinitionT)
public:
    ValueSlot id;
    ValueSlot value;
};

// PrimaryLanguage and Language: the texts of one language.
class PrimaryLanguageT : public IOLinkKlasse
{
    IODD_ELEMENT(PrimaryLanguageT)
public:
    // The value of the first Text with exactly this id; a null string when there is none.
    QString findText(const QString &id) const;

    ValueSlot xmlLang;
    ChildList<TextDefinitionT> Text;
    ChildList<TextDefinitionT> TextRedefine;

private:
    // Lookups happen once per name while variables complete, so they go through an index that is
    // rebuilt whenever the Text list has changed since it was built.
    mutable QHash<QString, QString> index;
    mutable int indexedCount = -1;
    mutable const void *indexedFirst = nullptr;
};

class ExternalTextCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(ExternalTextCollectionT)
public:
    ChildList<PrimaryLanguageT> PrimaryLanguage;
    ChildList<PrimaryLanguageT> Language;
};

class UnitT : public IOLinkKlasse
{
    IODD_ELEMENT(UnitT)
public:
    ValueSlot code;
    ValueSlot abbr;
    ValueSlot textId;
};

class UnitCollectionT : public IOLinkKlasse
{
    IODD_ELEMENT(UnitCollectionT)
public:
    ChildList<UnitT> Unit;
};
