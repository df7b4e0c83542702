#pragma once

// Variable descriptions built by hand, shaped as the document model completes them.
#include "datatable.h"
#include "testenvironment.h"
#include "variablefixtures.h"

#include "iodd/model/userinterfaceelements.h"
#include "iodd/model/variableelements.h"

namespace MenuFixtures {

using VariableFixtures::WrappedVariable;

inline TypedValue typed(ValueKind type, double number)
{
    TypedValue value;
    value.type = type;
    value.setFromText(QString::number(number, 'g', 17));
    return value;
}

template<class Description>
void addSingleValue(Description &description, double number, const QString &textId, const QString &text = QString())
{
    description.singleValues.append({ typed(description.value.type, number), text.isEmpty() ? textId : text, textId });
}

template<class Description>
void addRange(Description &description, double lower, double upper)
{
    description.valueRanges.append({ typed(description.value.type, lower), typed(description.value.type, upper),
                                     QString(), QString() });
}

inline Variable simple(const QString &id, ValueKind type, quint32 bitLength, const QString &access = QStringLiteral("rw"),
                       quint16 index = 64, quint32 fixedLength = 0)
{
    return VariableFixtures::simple(id, quint32(type), bitLength, fixedLength, access, index);
}

inline myRecordItem item(quint32 subindex, quint32 bitOffset, ValueKind type, quint32 bitLength,
                         const QString &access = QStringLiteral("rw"))
{
    myRecordItem recordItem = VariableFixtures::item(subindex, bitOffset, quint32(type), bitLength);
    recordItem.accessRights = access;
    return recordItem;
}

// A record with subindex access, as most devices describe theirs.
inline Variable record(const QString &id, quint32 bitLength, const QList<myRecordItem> &items,
                       const QString &access = QStringLiteral("rw"), quint16 index = 70)
{
    Variable variable = VariableFixtures::record(id, bitLength, items, true, index);
    variable.accessRights = access;
    return variable;
}

template<class Element>
Element *addTo(ChildList<Element> &list, qint32 position = 0)
{
    auto *element = list.appendOwned(new Element);
    element->position = position;
    return element;
}

inline void addButton(UIVariableRefT *reference, int value)
{
    addTo(reference->Button)->buttonValue.value = QString::number(value);
}

} // namespace MenuFixtures
