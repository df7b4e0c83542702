#pragma once

// Variable descriptions built by hand, shaped as the document model completes them, and the sample
// device loaded through the real document model.
#include "testenvironment.h"

#include "device/variablewrapper.h"
#include "iodd/model/documentelements.h"
#include "iodd/model/iodevicet.h"
#include "iodd/model/userinterfaceelements.h"
#include "iodd/model/variableelements.h"

#include <QDirIterator>

#include <memory>

namespace MenuFixtures {

inline TypedValue typed(ValueKind type, double number)
{
    TypedValue value;
    value.type = type;
    switch (type) {
    case ValueKind::Boolean: value.setBool(number != 0.0); break;
    case ValueKind::UInteger: value.setUInt(quint32(number)); break;
    case ValueKind::Integer: value.setInt(qint32(number)); break;
    default: value.setFloat(float(number)); break;
    }
    return value;
}

template<class Description>
void describe(Description &description, ValueKind type, quint32 bitLength, quint32 fixedLength)
{
    description.typeName = valueKindName(type);
    description.bitLength = type == ValueKind::Boolean ? 1 : bitLength;
    description.fixedLength = fixedLength;
    description.value.type = type;
    description.value.bitLength = description.bitLength;
    description.value.fixedLength = fixedLength;
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

inline std::unique_ptr<Variable> simple(const QString &id, ValueKind type, quint32 bitLength,
                                        const QString &access = QStringLiteral("rw"), quint16 index = 64,
                                        quint32 fixedLength = 0)
{
    auto variable = std::make_unique<Variable>();
    variable->id = id;
    variable->index = index;
    variable->accessRights = access;
    variable->nameTextId = QStringLiteral("TN_") + id;
    describe(*variable, type, bitLength, fixedLength);
    return variable;
}

inline myRecordItem item(quint32 subindex, quint32 bitOffset, ValueKind type, quint32 bitLength,
                         const QString &access = QStringLiteral("rw"))
{
    myRecordItem recordItem;
    recordItem.subindex = subindex;
    recordItem.bitOffset = bitOffset;
    recordItem.accessRights = access;
    recordItem.nameTextId = QStringLiteral("TN_Item%1").arg(subindex);
    describe(recordItem, type, bitLength, 0);
    return recordItem;
}

inline std::unique_ptr<Variable> record(const QString &id, quint32 bitLength, const QVector<myRecordItem> &items,
                                        const QString &access = QStringLiteral("rw"), quint16 index = 70)
{
    auto variable = std::make_unique<Variable>();
    variable->id = id;
    variable->index = index;
    variable->accessRights = access;
    variable->nameTextId = QStringLiteral("TN_") + id;
    variable->typeName = valueKindName(ValueKind::Record);
    variable->bitLength = bitLength;
    variable->subindexAccessSupported = true;
    variable->value.type = ValueKind::Record;
    variable->recordItems = items;
    for (myRecordItem &recordItem : variable->recordItems)
        recordItem.index = index;
    return variable;
}

// An array of `count` octet strings of `octets` each, with subindex access, as the model completes it.
inline std::unique_ptr<Variable> octetArray(const QString &id, quint32 count, quint32 octets, quint16 index = 37)
{
    auto variable = std::make_unique<Variable>();
    variable->id = id;
    variable->index = index;
    variable->accessRights = QStringLiteral("ro");
    variable->nameTextId = QStringLiteral("TN_") + id;
    variable->typeName = valueKindName(ValueKind::Array);
    variable->subindexAccessSupported = true;
    variable->value.type = ValueKind::Array;
    variable->fixedLength = count * octets;
    for (quint32 i = 0; i < count; ++i) {
        myRecordItem element;
        element.subindex = i + 1;
        element.index = index;
        element.accessRights = variable->accessRights;
        describe(element, ValueKind::OctetString, 0, octets);
        variable->recordItems.append(element);
    }
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

inline QString standardFile(const QString &name)
{
    return QStringLiteral(":/iolink/standard/StandardDefinitions/") + name;
}

inline QString sampleFile()
{
    QDirIterator files(QStringLiteral(":/iolink/sample"), { QStringLiteral("*.xml") }, QDir::Files);
    return files.hasNext() ? files.next() : QString();
}

// A device description loaded and completed, with one variable wrapper per variable.
struct LoadedDevice
{
    IODeviceT document;
    QObject owner;
    QList<VariableWrapper *> variables;
    QList<UnitT *> units;
    QList<MenuT *> menus;

    bool load(const QString &path)
    {
        if (!document.loadXml(standardFile("IODD-StandardDefinitions1.1.xml"), XmlDocumentKind::StandardDefinitions)
            || !document.loadXml(standardFile("IODD-StandardUnitDefinitions1.1.xml"),
                                 XmlDocumentKind::StandardUnitDefinitions)
            || !document.loadXml(path, XmlDocumentKind::ProductDescription))
            return false;
        const DeviceFunctionT *function = document.deviceFunction();
        if (function && !function->VariableCollection.isEmpty()) {
            const VariableCollectionT *collection = function->VariableCollection.last();
            for (AbstractVariableT *element : collection->DirectParameterOverlay)
                variables.append(new VariableWrapper(&element->variable, &owner));
            for (AbstractVariableT *element : collection->StdVariableRef)
                variables.append(new VariableWrapper(&element->variable, &owner));
            for (AbstractVariableT *element : collection->StdDirectParameterRef)
                variables.append(new VariableWrapper(&element->variable, &owner));
            for (AbstractVariableT *element : collection->Variable)
                variables.append(new VariableWrapper(&element->variable, &owner));
        }
        if (document.standardUnitDefinitions && !document.standardUnitDefinitions->UnitCollection.isEmpty())
            units = document.standardUnitDefinitions->UnitCollection.last()->Unit;
        if (function && !function->UserInterface.isEmpty()
            && !function->UserInterface.last()->MenuCollection.isEmpty())
            menus = function->UserInterface.last()->MenuCollection.last()->Menu;
        return true;
    }

    MenuT *menu(const QString &id) const
    {
        for (MenuT *candidate : menus) {
            if (candidate->id.value == id)
                return candidate;
        }
        return nullptr;
    }

    VariableWrapper *variable(const QString &id) const
    {
        for (VariableWrapper *candidate : variables) {
            if (candidate->getId() == id)
                return candidate;
        }
        return nullptr;
    }
};

} // namespace MenuFixtures
