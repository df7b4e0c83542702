#include "textelements.h"

TextRefT::TextRefT()
{
    declare(textId, QStringLiteral("textId"));
}

TextDefinitionT::TextDefinitionT()
{
    declare(id, QStringLiteral("id"));
    declare(value, QStringLiteral("value"));
}

PrimaryLanguageT::PrimaryLanguageT()
{
    declare(xmlLang, QStringLiteral("xml:lang"));
    declare(Text, QStringLiteral("Text"));
    declare(TextRedefine, QStringLiteral("TextRedefine"));
}

QString PrimaryLanguageT::findText(const QString &id) const
{
    const void *first = Text.isEmpty() ? nullptr : Text.first();
    if (indexedCount != Text.size() || indexedFirst != first) {
        index.clear();
        index.reserve(Text.size());
        for (int i = 1; i < Text.size(); ++i) {
            const TextDefinitionT *text = Text.at(i);
            if (!index.contains(text->id.value))
                index.insert(text->id.value, text->value.value);
        }
        indexedCount = Text.size();
        indexedFirst = first;
    }
    return index.value(id);
}

ExternalTextCollectionT::ExternalTextCollectionT()
{
    declare(PrimaryLanguage, QStringLiteral("PrimaryLanguage"));
    declare(Language, QStringLiteral("Language"));
}

UnitT::UnitT()
{
    declare(code, QStringLiteral("code"));
    declare(abbr, QStringLiteral("abbr"));
    declare(textId, QStringLiteral("textId"));
}

UnitCollectionT::UnitCollectionT()
{
    declare(Unit, QStringLiteral("Unit"));
}
