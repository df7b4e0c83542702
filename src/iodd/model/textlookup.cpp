// Text and unit lookup in the documents held by the root.
#include "iodevicet.h"

#include "completionsupport.h"

using CompletionSupport::lastOf;

namespace {

const PrimaryLanguageT *primaryLanguageOf(const ExternalTextCollectionT *collection)
{
    return collection ? lastOf(collection->PrimaryLanguage) : nullptr;
}

// The last Language whose xml:lang contains `code`, or null.
const PrimaryLanguageT *languageOf(const ExternalTextCollectionT *collection, const QString &code)
{
    const PrimaryLanguageT *found = nullptr;
    if (!collection)
        return found;
    for (int i = 1; i < collection->Language.size(); ++i) {
        if (collection->Language.at(i)->xmlLang.value.contains(code))
            found = collection->Language.at(i);
    }
    return found;
}

} // namespace

QString IODeviceT::translate(const QString &textId) const
{
    const ExternalTextCollectionT *productTexts = lastOf(ExternalTextCollection);

    // The product's own language: the last Language whose xml:lang names the language in use.
    const PrimaryLanguageT *productLanguage = languageOf(productTexts, language);
    if (productTexts && !productLanguage)
        productLanguage = primaryLanguageOf(productTexts);

    const PrimaryLanguageT *standardLanguage = nullptr;
    if (standardDefinitions)
        standardLanguage = primaryLanguageOf(lastOf(standardDefinitions->ExternalTextCollection));
    if (language != QLatin1String("en") && standardTexts && standardTexts->Language.size() >= 2)
        standardLanguage = standardTexts->Language.last();

    // Secondary definitions carry their translations in the same document.
    const PrimaryLanguageT *secondaryLanguage = nullptr;
    if (secondaryStandardDefinitions) {
        const ExternalTextCollectionT *secondaryTexts = lastOf(secondaryStandardDefinitions->ExternalTextCollection);
        secondaryLanguage = languageOf(secondaryTexts, language);
        if (!secondaryLanguage)
            secondaryLanguage = primaryLanguageOf(secondaryTexts);
    }

    const PrimaryLanguageT *sources[] = {
        extraTexts ? lastOf(extraTexts->Language) : nullptr,
        productLanguage,
        standardLanguage,
        secondaryLanguage,
        primaryLanguageOf(productTexts),
    };
    for (const PrimaryLanguageT *source : sources) {
        if (!source)
            continue;
        const QString text = source->findText(textId);
        if (!text.isEmpty())
            return text;
    }
    return QStringLiteral("failed");
}

QString IODeviceT::unitAbbreviation(const QString &unitCode) const
{
    if (!standardUnitDefinitions)
        return QString();
    const UnitCollectionT *units = lastOf(standardUnitDefinitions->UnitCollection);
    if (!units)
        return QString();
    for (int i = 1; i < units->Unit.size(); ++i) {
        const UnitT *unit = units->Unit.at(i);
        if (unit->code.value == unitCode && !unit->abbr.value.isEmpty())
            return unit->abbr.value;
    }
    return QString();
}
