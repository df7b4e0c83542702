#pragma once

// Variable descriptions built by hand, shaped as the document model completes them, and the sample
// device loaded through the real document model.
#include "testenvironment.h"
#include "variablefixtures.h"

#include "device/variablewrapper.h"
#include "iodd/model/documentelements.h"
#include "iodd/model/iodevicet.h"
#include "iodd/model/userinterfaceelements.h"
#include "iodd/model/variableelements.h"

#include <QDirIterator>

#include <memory>

namespace MenuFixtures {

using VariableFixtures::WrappedVariable;

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

// An array of `count` octet strings of `octets` each, with subindex access, as the model completes it.
inline Variable octetArray(const QString &id, quint32 count, quint32 octets)
{
    return VariableFixtures::array(id, int(count), quint32(ValueKind::OctetString), 0, octets, true, 37);
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
