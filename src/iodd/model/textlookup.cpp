// Text and unit lookup in the documents held by the root.
#include "iodevicet.h"

namespace {

template <class T>
T *lastOf(const QList<T *> &list)
{
    return list.isEmpty() ? nullptr : list.last();
}

const PrimaryLanguageT *primaryLanguageOf(const ExternalTextCollectionT *collection)
{
    return collection ? lastOf(collection->PrimaryLanguage) : nullptr;
}

} // namespace

QString IODeviceT::translate(const QString &textId) const
{
    const ExternalTextCollectionT *productTexts = lastOf(ExternalTextCollection);

    // The product's own language: the last Language whose xml:lang names the language in use.
    const PrimaryLanguageT *productLanguage = nullptr;
    if (productTexts) {
        for (int i = 1; i < productTexts->Language.size(); ++i) {
            if (productTexts->Language.at(i)->xmlLang.value.contains(language))
                productLanguage = productTexts->Language.at(i);
        }
        if (!productLanguage)
            productLanguage = primaryLanguageOf(productTexts);
    }

    const PrimaryLanguageT *standardLanguage = nullptr;
    if (standardDefinitions)
        standardLanguage = primaryLanguageOf(lastOf(standardDefinitions->ExternalTextCollection));
    if (language != QLatin1String("en") && standardTexts && standardTexts->Language.size() >= 2)
        standardLanguage = standardTexts->Language.last();

    const PrimaryLanguageT *sources[] = {
        extraTexts ? lastOf(extraTexts->Language) : nullptr,
        productLanguage,
        standardLanguage,
        secondaryStandardDefinitions
            ? primaryLanguageOf(lastOf(secondaryStandardDefinitions->ExternalTextCollection))
            : nullptr,
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
