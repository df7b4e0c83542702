#pragma once

// Completed variable descriptions built by hand, shaped as the document model completes them.
#include "device/variablewrapper.h"

namespace VariableFixtures {

// Simple kinds are given by their number (0 Boolean to 5 OctetString), which keeps the tables short.
inline ValueKind kindOf(quint32 type)
{
    return static_cast<ValueKind>(type);
}

// The type part a variable and a record item share: a Boolean is one bit whatever it is given.
template<class Description>
void describe(Description &description, quint32 type, quint32 bitLength, quint32 fixedLength)
{
    description.typeName = valueKindName(kindOf(type));
    description.bitLength = type == 0 ? 1 : bitLength;
    description.fixedLength = fixedLength;
    description.value.type = kindOf(type);
    description.value.bitLength = description.bitLength;
    description.value.fixedLength = fixedLength;
}

inline Variable simple(const QString &id, quint32 type, quint32 bitLength, quint32 fixedLength = 0,
                       const QString &accessRights = QStringLiteral("rw"), quint16 index = 64)
{
    Variable variable;
    variable.id = id;
    variable.index = index;
    variable.accessRights = accessRights;
    variable.nameTextId = QStringLiteral("TN_") + id;
    describe(variable, type, bitLength, fixedLength);
    return variable;
}

inline myRecordItem item(quint32 subindex, quint32 bitOffset, quint32 type, quint32 bitLength,
                         quint32 fixedLength = 0)
{
    myRecordItem recordItem;
    recordItem.subindex = subindex;
    recordItem.bitOffset = bitOffset;
    recordItem.nameTextId = QStringLiteral("TN_Item%1").arg(subindex);
    describe(recordItem, type, bitLength, fixedLength);
    return recordItem;
}

inline Variable record(const QString &id, quint32 bitLength, const QList<myRecordItem> &items,
                       bool subindexAccessSupported, quint16 index = 80)
{
    Variable variable = simple(id, quint32(ValueKind::Record), bitLength, 0, QStringLiteral("rw"), index);
    variable.subindexAccessSupported = subindexAccessSupported;
    for (myRecordItem recordItem : items) {
        recordItem.index = index;
        variable.recordItems.append(recordItem);
    }
    return variable;
}

// Elements as the model lists them: without subindex access all have subindex 0 and offsets counted
// from the start of the payload; with it, subindexes from 1 and offset 0.
inline Variable array(const QString &id, int count, quint32 elementType, quint32 elementBits,
                      quint32 elementFixedLength, bool subindexAccessSupported, quint16 index = 90)
{
    Variable variable = simple(id, quint32(ValueKind::Array), quint32(count) * (elementType == 0 ? 1 : elementBits),
                               quint32(count) * elementFixedLength, QStringLiteral("ro"), index);
    variable.subindexAccessSupported = subindexAccessSupported;
    for (int i = 0; i < count; ++i) {
        const quint32 offset = elementBits != 0 ? quint32(i) * elementBits : quint32(i) * 8 * elementFixedLength;
        myRecordItem element = subindexAccessSupported ? item(quint32(i) + 1, 0, elementType, elementBits, elementFixedLength)
                                                       : item(0, offset, elementType, elementBits, elementFixedLength);
        element.index = index;
        variable.recordItems.append(element);
    }
    return variable;
}

// A description with its run-time wrapper, which keeps a pointer to it: the description lives as long.
struct DescriptionHolder
{
    Variable description;
};

class WrappedVariable : public DescriptionHolder, public VariableWrapper
{
public:
    explicit WrappedVariable(const Variable &variable)
        : DescriptionHolder { variable }
        , VariableWrapper(&description)
    {
    }
};

} // namespace VariableFixtures
